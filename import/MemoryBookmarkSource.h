// CMemoryBookmarkSource: a bookmark file held in memory, for tests and benchmarks.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "import/BookmarkSource.h"

class CMemoryBookmarkSource : public CBookmarkSource {
public:
    // The bytes must stay alive while they are read.
    explicit CMemoryBookmarkSource(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t Read(void* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, m_bytes.size() - m_offset);
        if (count != 0) std::memcpy(buffer, m_bytes.data() + m_offset, count);
        m_offset += count;
        return count;
    }
    bool Failed() const override { return false; }
    bool Rewind() override {
        m_offset = 0;
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
};
