// CPosixFolderLister: the entry's type from readdir(), asked of the file system only when the
// directory entry does not tell it or the entry is a symbolic link.
#include "import/PosixFolderLister.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Closes the listing on every way out, a visitor's exception included.
struct CDirCloser {
    DIR* dir;
    ~CDirCloser() { ::closedir(dir); }
};

}  // namespace

void CPosixFolderLister::List(const std::string& path, const Visitor& visit) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return;
    const CDirCloser closer{dir};
    CFolderEntry entry;
    while (const dirent* found = ::readdir(dir)) {
        entry.name = found->d_name;
        entry.isLink = found->d_type == DT_LNK;
        entry.isFolder = found->d_type == DT_DIR;
        if (found->d_type == DT_LNK || found->d_type == DT_UNKNOWN) {
            struct stat info;
            // A link counts as a folder when it leads to one; it is never entered all the same.
            if (::fstatat(::dirfd(dir), found->d_name, &info, 0) == 0)
                entry.isFolder = S_ISDIR(info.st_mode);
            if (found->d_type == DT_UNKNOWN &&
                ::fstatat(::dirfd(dir), found->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                entry.isLink = S_ISLNK(info.st_mode);
        }
        if (!visit(entry)) return;
    }
}
