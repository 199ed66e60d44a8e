// CPosixFolderLister: folder listings through opendir() and readdir(), for the native build.
#pragma once

#include "import/FolderLister.h"

class CPosixFolderLister : public CFolderLister {
public:
    char Separator() const override { return '/'; }
    void List(const std::string& path, const Visitor& visit) override;
};
