// CBookmarkFileSource: a bookmark file on the disk, opened for reading with others allowed to read
// it too. Going back to the start opens the file again, so the file system needs no seek.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "import/BookmarkSource.h"
#include "store/FileSystem.h"

class CBookmarkFileSource : public CBookmarkSource {
public:
    CBookmarkFileSource(CFileSystem& fileSystem, std::string path)
        : m_fs(fileSystem), m_strPath(std::move(path)) {}

    // Opens the file; false when it does not exist or cannot be opened.
    bool Open();

    std::size_t Read(void* buffer, std::size_t size) override;
    bool Failed() const override;
    bool Rewind() override;

private:
    CFileSystem& m_fs;
    std::string m_strPath;
    std::unique_ptr<CInputFile> m_file;
};
