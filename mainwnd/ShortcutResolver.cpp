#include "mainwnd/ShortcutResolver.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

namespace {

// Releases a COM interface when its owning pointer goes, on every path out.
struct CComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComPtr = std::unique_ptr<Interface, CComRelease>;

// The longest the shell may search for a moved target. The drop waits for it on the window's
// thread, so it is kept well below the shell's default of three seconds.
constexpr DWORD kResolveTimeoutMs = 1000;

}  // namespace

HRESULT ResolveShortcut(const std::string& shortcutPath, std::string& target) {
    target.clear();
    IShellLinkA* rawLink = nullptr;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, reinterpret_cast<void**>(&rawLink));
    if (FAILED(result)) return result;
    const ComPtr<IShellLinkA> link(rawLink);

    IPersistFile* rawFile = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile));
    if (FAILED(result)) return result;
    const ComPtr<IPersistFile> file(rawFile);

    WCHAR widePath[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, widePath, MAX_PATH);
    widePath[MAX_PATH - 1] = L'\0';
    result = file->Load(widePath, STGM_READ);
    if (FAILED(result)) return result;

    // No dialog may ask the user anything, and without SLR_UPDATE the shortcut file is never
    // rewritten: a moved target is only reported, not stored.
    result = link->Resolve(nullptr, SLR_NO_UI | (kResolveTimeoutMs << 16));
    if (FAILED(result)) return result;

    char path[MAX_PATH] = {};
    WIN32_FIND_DATAA found;
    result = link->GetPath(path, MAX_PATH, &found, SLGP_RAWPATH);
    // S_FALSE means the shortcut has no path (it points at a shell object): that is no target to
    // put into a Link either.
    if (result != S_OK) return result;
    char description[MAX_PATH] = {};
    result = link->GetDescription(description, MAX_PATH);
    if (FAILED(result)) return result;
    path[MAX_PATH - 1] = '\0';
    target = path;
    return result;
}
