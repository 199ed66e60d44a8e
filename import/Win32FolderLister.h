// CWin32FolderLister: folder listings through FindFirstFileA and FindNextFileA.
#pragma once

#include "import/FolderLister.h"

class CWin32FolderLister : public CFolderLister {
public:
    char Separator() const override { return '\\'; }
    void List(const std::string& path, const Visitor& visit) override;
};
