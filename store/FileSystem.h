// CFileSystem: the few file operations the data file needs, so that the same reader, writer and
// backup rule run in the Windows program and in native tests. Paths are ANSI text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "store/DateTime.h"

// A file opened for reading.
class CInputFile {
public:
    virtual ~CInputFile() = default;
    // Reads up to `size` bytes; returns the number read (0 at the end). Sets failed() on an error.
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
    // Size of the file in bytes when it was opened.
    virtual std::uint64_t Size() const = 0;
    virtual bool Failed() const = 0;
};

// A file opened for writing.
class COutputFile {
public:
    virtual ~COutputFile() = default;
    // Writes all bytes; false on any error (disk full, ...).
    virtual bool Write(const void* buffer, std::size_t size) = 0;
    // Flushes the file to the disk and closes it; false on any error.
    virtual bool Close() = 0;
};

// What a path names.
enum class EPathKind {
    missing,  // nothing: neither it nor (perhaps) its folder exists
    file,
    folder,
    unusable  // a name the system cannot open as a file: too long, invalid, or not accessible
};

class CFileSystem {
public:
    virtual ~CFileSystem() = default;
    virtual EPathKind GetKind(const std::string& path) const = 0;
    bool IsFile(const std::string& path) const { return GetKind(path) == EPathKind::file; }
    // nullptr when the file cannot be opened.
    virtual std::unique_ptr<CInputFile> OpenRead(const std::string& path) = 0;
    // Creates a new file for writing (fails when it exists); nullptr on failure.
    virtual std::unique_ptr<COutputFile> Create(const std::string& path) = 0;
    // Puts `from` in place of `to` in one step, replacing `to` when it exists.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Copies a file, replacing the target.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // The file's last-write time in local time; false when the file cannot be opened or the time
    // not read.
    virtual bool GetLastWriteTime(const std::string& path, CCivilTime& local) const = 0;
};
