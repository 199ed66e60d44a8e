// Byte sinks and sources for the data file: little-endian integers and doubles whatever the host's
// byte order, written and read through one 4096-byte buffer over a file, or over memory.
//
// The hot path is inline and works on the buffer window [m_cur, m_end) directly; a virtual call
// happens only when the window is used up (once per 4096 bytes over a file).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "store/FileSystem.h"

// Little-endian values from bytes, whatever the host's byte order.
inline std::uint32_t LoadUInt32LE(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}
inline std::uint64_t LoadUInt64LE(const unsigned char* bytes) {
    return LoadUInt32LE(bytes) | (static_cast<std::uint64_t>(LoadUInt32LE(bytes + 4)) << 32);
}
inline double LoadDoubleLE(const unsigned char* bytes) {
    static_assert(sizeof(double) == sizeof(std::uint64_t), "IEEE double expected");
    const std::uint64_t bits = LoadUInt64LE(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// CByteSink: where the writer puts bytes. Failures are sticky: after the first failed write every
// later one fails too, so the writer may check once at the end.
class CByteSink {
public:
    virtual ~CByteSink() = default;

    // Writes all bytes; false when this or an earlier write failed.
    bool Write(const void* data, std::size_t size) {
        // Strictly less: a null window (no buffer) never takes this path, and a write that would
        // fill the buffer exactly is left to the slow path, which flushes it.
        if (size < static_cast<std::size_t>(m_end - m_cur)) {
            std::memcpy(m_cur, data, size);
            m_cur += size;
            return true;
        }
        return WriteSlow(data, size);
    }
    bool WriteByte(std::uint8_t value) { return Write(&value, 1); }
    bool WriteUInt16(std::uint16_t value) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(value),
                                        static_cast<unsigned char>(value >> 8)};
        return Write(bytes, sizeof bytes);
    }
    bool WriteUInt32(std::uint32_t value) {
        unsigned char bytes[4];
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
        return Write(bytes, sizeof bytes);
    }
    bool WriteInt32(std::int32_t value) { return WriteUInt32(static_cast<std::uint32_t>(value)); }
    bool WriteUInt64(std::uint64_t value) {
        unsigned char bytes[8];
        for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
        return Write(bytes, sizeof bytes);
    }
    // The IEEE 754 bits of the double, least significant byte first.
    bool WriteDouble(double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return WriteUInt64(bits);
    }

    // Passes buffered bytes on; false when any write failed.
    virtual bool Flush() = 0;
    bool Failed() const { return m_failed; }

protected:
    // Called when the bytes do not fit the window.
    virtual bool WriteSlow(const void* data, std::size_t size) = 0;

    unsigned char* m_cur = nullptr;
    unsigned char* m_end = nullptr;
    bool m_failed = false;
};

// CFileSink: writes into an output file through one 4096-byte buffer. The owner calls Flush before
// closing the file; the destructor does not write.
class CFileSink : public CByteSink {
public:
    static constexpr std::size_t bufferSize = 4096;

    explicit CFileSink(COutputFile& file);
    CFileSink(const CFileSink&) = delete;
    CFileSink& operator=(const CFileSink&) = delete;

    bool Flush() override;

protected:
    bool WriteSlow(const void* data, std::size_t size) override;

private:
    COutputFile& m_file;
    unsigned char m_buffer[bufferSize];
};

// CMemorySink: appends to a string (tests, benchmarks, and building a file's bytes in memory).
class CMemorySink : public CByteSink {
public:
    explicit CMemorySink(std::string& bytes) : m_bytes(bytes) {}

    bool Flush() override { return !m_failed; }

protected:
    bool WriteSlow(const void* data, std::size_t size) override;

private:
    std::string& m_bytes;
};

// CByteSource: where the reader takes bytes from. A read that cannot be satisfied in full fails;
// Remaining tells how many bytes are left, so that a length read from the data can be checked
// against it before anything is allocated.
class CByteSource {
public:
    virtual ~CByteSource() = default;

    // Bytes not yet read: those left in the window plus those the source has not fetched yet.
    std::uint64_t Remaining() const {
        return static_cast<std::uint64_t>(m_end - m_cur) + RemainingBeyondWindow();
    }

    // The unread bytes of the window, for parsing in place; they stay valid until the next read
    // that refills. Skip moves past `size` of them (at most Available()). The window may be
    // empty while bytes remain.
    std::size_t Available() const { return static_cast<std::size_t>(m_end - m_cur); }
    const unsigned char* Window() const { return m_cur; }
    void Skip(std::size_t size) { m_cur += size; }

    // Reads exactly `size` bytes; false when fewer are left (the bytes read are then undefined).
    bool Read(void* out, std::size_t size) {
        // Strictly less, as in CByteSink::Write: an empty window is never handed to memcpy.
        if (size < static_cast<std::size_t>(m_end - m_cur)) {
            std::memcpy(out, m_cur, size);
            m_cur += size;
            return true;
        }
        return ReadSlow(out, size);
    }
    bool ReadByte(std::uint8_t& value) {
        if (m_cur != m_end) {
            value = *m_cur++;
            return true;
        }
        return ReadSlow(&value, 1);
    }
    bool ReadUInt16(std::uint16_t& value) {
        unsigned char bytes[2];
        if (!Read(bytes, sizeof bytes)) return false;
        value = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
        return true;
    }
    bool ReadUInt32(std::uint32_t& value) {
        unsigned char bytes[4];
        if (!Read(bytes, sizeof bytes)) return false;
        value = LoadUInt32LE(bytes);
        return true;
    }
    bool ReadInt32(std::int32_t& value) {
        std::uint32_t bits;
        if (!ReadUInt32(bits)) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    bool ReadUInt64(std::uint64_t& value) {
        unsigned char bytes[8];
        if (!Read(bytes, sizeof bytes)) return false;
        value = LoadUInt64LE(bytes);
        return true;
    }
    bool ReadDouble(double& value) {
        unsigned char bytes[8];
        if (!Read(bytes, sizeof bytes)) return false;
        value = LoadDoubleLE(bytes);
        return true;
    }

protected:
    // Makes the next bytes available in the window; false at the end or on a read error.
    virtual bool Refill() = 0;
    // Bytes after the window that Refill can still deliver.
    virtual std::uint64_t RemainingBeyondWindow() const = 0;

    const unsigned char* m_cur = nullptr;
    const unsigned char* m_end = nullptr;

private:
    bool ReadSlow(void* out, std::size_t size);
};

// CFileSource: reads an input file through one 4096-byte buffer.
class CFileSource : public CByteSource {
public:
    static constexpr std::size_t bufferSize = 4096;

    explicit CFileSource(CInputFile& file) : m_file(file), m_size(file.Size()) {}
    CFileSource(const CFileSource&) = delete;
    CFileSource& operator=(const CFileSource&) = delete;

protected:
    bool Refill() override;
    std::uint64_t RemainingBeyondWindow() const override {
        return m_fetched < m_size ? m_size - m_fetched : 0;
    }

private:
    CInputFile& m_file;
    std::uint64_t m_size;         // the file's size when it was opened
    std::uint64_t m_fetched = 0;  // bytes taken from the file into the buffer so far
    unsigned char m_buffer[bufferSize];
};

// CMemorySource: reads a span of bytes that stays alive while it is read.
class CMemorySource : public CByteSource {
public:
    CMemorySource(const void* data, std::size_t size) {
        m_cur = static_cast<const unsigned char*>(data);
        m_end = m_cur + size;
    }
    explicit CMemorySource(const std::string& bytes) : CMemorySource(bytes.data(), bytes.size()) {}

protected:
    bool Refill() override { return false; }
    std::uint64_t RemainingBeyondWindow() const override { return 0; }
};
