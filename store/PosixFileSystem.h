// CPosixFileSystem: the data file's file operations over POSIX calls, for the native build (unit
// tests and benchmarks). Nothing is synced to the disk: these files are scratch files.
#pragma once

#include "store/FileSystem.h"

class CPosixFileSystem : public CFileSystem {
public:
    EPathKind GetKind(const std::string& path) const override;
    std::unique_ptr<CInputFile> OpenRead(const std::string& path) override;
    std::unique_ptr<COutputFile> Create(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool GetLastWriteTime(const std::string& path, CCivilTime& local) const override;
};
