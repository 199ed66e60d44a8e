#include "app/DocumentsFolder.h"

#include <windows.h>

namespace {

// SHGetFolderPathA, looked up at run time in SHFolder.dll so that the program also starts on
// systems whose shell does not export it.
using SHGetFolderPathAFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
constexpr int csidlPersonal = 5;

}  // namespace

std::string FindDocumentsFolder() {
    std::string folder = "C:\\My Documents\\";
    HMODULE library = ::LoadLibraryA("SHFolder.dll");
    if (!library) return folder;
    // The detour through void* states that the exported function has this signature.
    auto getFolderPath = reinterpret_cast<SHGetFolderPathAFn>(
        reinterpret_cast<void*>(::GetProcAddress(library, "SHGetFolderPathA")));
    if (getFolderPath) {
        char path[MAX_PATH] = {};
        if (getFolderPath(nullptr, csidlPersonal, nullptr, 0, path) >= 0) {
            folder = path;
            if (folder.empty() || folder.back() != '\\') folder += '\\';
        }
    }
    ::FreeLibrary(library);
    return folder;
}
