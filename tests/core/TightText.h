// CTightText: a copy of a text in a heap block of exactly its size, with no terminating zero, so
// that the address sanitizer reports any read past the end of its view.
#pragma once

#include <cstring>
#include <memory>
#include <string_view>

class CTightText {
public:
    explicit CTightText(std::string_view text)
        : m_bytes(std::make_unique<char[]>(text.size())), m_size(text.size()) {
        if (m_size) std::memcpy(m_bytes.get(), text.data(), m_size);
    }
    std::string_view view() const { return std::string_view(m_bytes.get(), m_size); }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
};
