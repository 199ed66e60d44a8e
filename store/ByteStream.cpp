// The slow paths of the byte sinks and sources: flushing and refilling the buffer window.
#include "store/ByteStream.h"

#include <algorithm>
#include <new>
#include <stdexcept>

CFileSink::CFileSink(COutputFile& file) : m_file(file) {
    m_cur = m_buffer;
    m_end = m_buffer + bufferSize;
}

bool CFileSink::Flush() {
    if (m_failed) return false;
    const auto size = static_cast<std::size_t>(m_cur - m_buffer);
    m_cur = m_buffer;
    if (size != 0 && !m_file.Write(m_buffer, size)) {
        // An empty window sends every later write to WriteSlow, which reports the failure.
        m_failed = true;
        m_cur = m_end = nullptr;
    }
    return !m_failed;
}

bool CFileSink::WriteSlow(const void* data, std::size_t size) {
    if (m_failed) return false;
    auto source = static_cast<const unsigned char*>(data);
    const std::size_t fits = std::min(size, static_cast<std::size_t>(m_end - m_cur));
    if (fits != 0) {
        std::memcpy(m_cur, source, fits);
        m_cur += fits;
        source += fits;
        size -= fits;
    }
    if (m_cur == m_end && !Flush()) return false;
    if (size == 0) return true;
    // The buffer is empty now: a long text goes to the file directly, a short rest is buffered.
    if (size >= bufferSize) {
        if (!m_file.Write(source, size)) {
            m_failed = true;
            m_cur = m_end = nullptr;
        }
        return !m_failed;
    }
    std::memcpy(m_cur, source, size);
    m_cur += size;
    return true;
}

bool CMemorySink::WriteSlow(const void* data, std::size_t size) {
    if (m_failed) return false;
    try {
        m_bytes.append(static_cast<const char*>(data), size);
    } catch (const std::bad_alloc&) {
        m_failed = true;
    } catch (const std::length_error&) {
        m_failed = true;
    }
    return !m_failed;
}

bool CByteSource::ReadSlow(void* out, std::size_t size) {
    auto target = static_cast<unsigned char*>(out);
    while (size != 0) {
        const auto available = static_cast<std::size_t>(m_end - m_cur);
        if (available == 0) {
            if (!Refill()) return false;
            continue;
        }
        const std::size_t take = std::min(available, size);
        std::memcpy(target, m_cur, take);
        m_cur += take;
        target += take;
        size -= take;
    }
    return true;
}

bool CFileSource::Refill() {
    if (m_file.Failed()) return false;
    const std::size_t got = std::min(m_file.Read(m_buffer, bufferSize), bufferSize);
    if (got == 0 || m_file.Failed()) return false;
    m_fetched += got;
    m_cur = m_buffer;
    m_end = m_buffer + got;
    return true;
}
