#include "mainwnd/ShortcutResolver.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

HRESULT ResolveShortcut(const std::string& shortcutPath, std::string& target) {
    target.clear();
    IShellLinkA* link = nullptr;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, reinterpret_cast<void**>(&link));
    if (FAILED(result)) return result;

    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        WCHAR widePath[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, widePath, MAX_PATH);
        widePath[MAX_PATH - 1] = L'\0';
        result = file->Load(widePath, STGM_READ);
        if (SUCCEEDED(result)) {
            result = link->Resolve(nullptr, SLR_UPDATE);
            if (SUCCEEDED(result)) {
                char path[MAX_PATH] = {};
                WIN32_FIND_DATAA found;
                result = link->GetPath(path, MAX_PATH, &found, SLGP_RAWPATH);
                // S_FALSE means the shortcut has no path (it points at a shell object): that is
                // no target to put into a Link either.
                if (result == S_OK) {
                    char description[MAX_PATH] = {};
                    result = link->GetDescription(description, MAX_PATH);
                    if (SUCCEEDED(result)) {
                        path[MAX_PATH - 1] = '\0';
                        target = path;
                    }
                }
            }
        }
        file->Release();
    }
    link->Release();
    return result;
}
