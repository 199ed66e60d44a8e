// CWin32FolderLister: path followed by "*.*", the entry's attributes telling folders and reparse
// points apart.
#include "import/Win32FolderLister.h"

#include <windows.h>

#include <cstring>

namespace {

// Closes the find handle on every way out, a visitor's exception included.
struct CFindCloser {
    HANDLE find;
    ~CFindCloser() { ::FindClose(find); }
};

}  // namespace

void CWin32FolderLister::List(const std::string& path, const Visitor& visit) {
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA((path + "*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    const CFindCloser closer{find};
    CFolderEntry entry;
    do {
        // A name with characters outside the code page comes with '?' in their place and cannot
        // be opened or listed; its short name, when the volume keeps one, can.
        const bool unusable = std::strchr(data.cFileName, '?') != nullptr;
        entry.name =
            unusable && data.cAlternateFileName[0] ? data.cAlternateFileName : data.cFileName;
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (!visit(entry)) return;
    } while (::FindNextFileA(find, &data));
}
