// CFolderLister: the entries of one folder, as the file finder walks a drive.
#pragma once

#include <functional>
#include <string>

struct CFolderEntry {
    std::string name;
    bool isFolder = false;
    // A reparse point, junction or symbolic link: a folder of this kind is never entered, since
    // it may lead back to where the walk has been.
    bool isLink = false;
};

class CFolderLister {
public:
    // Called for each entry; returns false to end the listing.
    using Visitor = std::function<bool(const CFolderEntry& entry)>;

    virtual ~CFolderLister() = default;
    // The character that ends a folder's name in a path ('\' on Windows).
    virtual char Separator() const = 0;
    // Lists the folder `path` (which ends with the separator), "." and ".." included where the
    // system reports them. A folder that cannot be listed (no access, a drive not ready) has no
    // entries.
    virtual void List(const std::string& path, const Visitor& visit) = 0;
};
