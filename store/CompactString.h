// CCompactString: an immutable-in-place text of one pointer's size, used for the four text fields
// of a record. A collection of a million records holds four of these per record, so the 32-byte
// std::string (with its own small buffer) would dominate the memory of a loaded data file; this
// class keeps one heap block holding the length, the bytes and a terminating zero, and nothing at
// all for an empty text.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class CCompactString {
public:
    // Constructors
    CCompactString() = default;
    CCompactString(std::string_view text) { Assign(text); }    // NOLINT: implicit by design
    CCompactString(const char* text) { Assign(text); }         // NOLINT: implicit by design
    CCompactString(const std::string& text) { Assign(text); }  // NOLINT: implicit by design
    CCompactString(const CCompactString& other) { Assign(other.view()); }
    CCompactString(CCompactString&& other) noexcept = default;
    CCompactString& operator=(const CCompactString& other) {
        if (this != &other) Assign(other.view());
        return *this;
    }
    CCompactString& operator=(CCompactString&& other) noexcept = default;
    CCompactString& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    CCompactString& operator=(const char* text) { return *this = std::string_view(text); }
    CCompactString& operator=(const std::string& text) { return *this = std::string_view(text); }

    // Attributes
    std::size_t size() const {
        if (!m_block) return 0;
        std::uint32_t length;
        std::memcpy(&length, m_block.get(), sizeof length);
        return length;
    }
    bool empty() const { return !m_block; }
    const char* c_str() const { return m_block ? m_block.get() + sizeof(std::uint32_t) : ""; }
    const char* data() const { return c_str(); }
    std::string_view view() const { return std::string_view(c_str(), size()); }
    operator std::string_view() const { return view(); }  // NOLINT: implicit by design
    std::string str() const { return std::string(view()); }

    friend bool operator==(const CCompactString& a, const CCompactString& b) {
        return a.view() == b.view();
    }
    friend bool operator!=(const CCompactString& a, const CCompactString& b) { return !(a == b); }
    friend bool operator==(const CCompactString& a, std::string_view b) { return a.view() == b; }
    friend bool operator!=(const CCompactString& a, std::string_view b) { return a.view() != b; }

private:
    // Texts longer than 4 GiB cannot come from a data file (its lengths are 32-bit) and are
    // refused here rather than silently cut.
    void Assign(std::string_view text) {
        if (text.empty()) {
            m_block.reset();
            return;
        }
        if (text.size() > UINT32_MAX - sizeof(std::uint32_t) - 1) throw std::bad_alloc();
        std::unique_ptr<char[]> block(new char[sizeof(std::uint32_t) + text.size() + 1]);
        const auto length = static_cast<std::uint32_t>(text.size());
        std::memcpy(block.get(), &length, sizeof length);
        std::memcpy(block.get() + sizeof length, text.data(), text.size());
        block[sizeof length + text.size()] = '\0';
        m_block = std::move(block);
    }

    std::unique_ptr<char[]> m_block;
};
