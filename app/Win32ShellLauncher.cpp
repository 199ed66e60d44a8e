// CWin32ShellLauncher: the shell and the file system of Windows behind the launcher seam.
#include "app/Win32ShellLauncher.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

int CWin32ShellLauncher::Execute(const std::string& verb, const std::string& target) {
    // ShellExecute may hand the work to shell extensions, which need COM on the calling thread;
    // a launch job's worker thread has not initialised it. On a thread that already has COM the
    // call only counts up, and the matching uninitialise counts down again.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE result =
        ::ShellExecuteA(nullptr, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) ::CoUninitialize();
    // The result is not a real instance handle but a number; values above 32 mean success.
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool CWin32ShellLauncher::IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
