// CBookmarkSource: the bytes of a bookmark file as the reader takes them, block by block: a file
// on the disk in the program, memory in tests and benchmarks.
#pragma once

#include <cstddef>

class CBookmarkSource {
public:
    virtual ~CBookmarkSource() = default;
    // Reads up to `size` bytes; returns the number read, 0 at the end or after an error.
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
    // True after a read error.
    virtual bool Failed() const = 0;
    // Starts again at the first byte; false when the bytes cannot be read again.
    virtual bool Rewind() = 0;
};
