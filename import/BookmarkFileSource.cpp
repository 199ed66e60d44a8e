// CBookmarkFileSource: reading through the file system's input file.
#include "import/BookmarkFileSource.h"

bool CBookmarkFileSource::Open() {
    m_file = m_fs.OpenRead(m_strPath);
    return m_file != nullptr;
}

std::size_t CBookmarkFileSource::Read(void* buffer, std::size_t size) {
    if (!m_file || m_file->Failed()) return 0;
    const std::size_t count = m_file->Read(buffer, size);
    return m_file->Failed() ? 0 : count;
}

bool CBookmarkFileSource::Failed() const {
    return !m_file || m_file->Failed();
}

bool CBookmarkFileSource::Rewind() {
    m_file.reset();
    return Open();
}
