// CWin32FileSystem: the data file's file operations on Windows. Writes are flushed to the disk
// before the new file replaces the old one in a single step.
#pragma once

#include "store/FileSystem.h"

class CWin32FileSystem : public CFileSystem {
public:
    EPathKind GetKind(const std::string& path) const override;
    std::unique_ptr<CInputFile> OpenRead(const std::string& path) override;
    std::unique_ptr<COutputFile> Create(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool GetLastWriteTime(const std::string& path, CCivilTime& local) const override;
};
