// Decoding of the character references that bookmark files use.
#include "import/CharacterReferences.h"

#include <cstring>
#include <string_view>

namespace {

// Longer digit runs are not a character anyway; the limit keeps the value from overflowing.
constexpr std::size_t kMaxDigits = 8;
constexpr char32_t kLastCodePoint = 0x10FFFF;

struct CNamedReference {
    std::string_view name;
    char32_t value;
};
constexpr CNamedReference kNamed[] = {{"amp", '&'},  {"lt", '<'},    {"gt", '>'},
                                      {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (!hex) return -1;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The value of "#N" or "#xH" (`body` is what stands between '&' and ';'); 0 when it is none.
char32_t NumericValue(std::string_view body) {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > kMaxDigits) return 0;
    char32_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, hex);
        if (digit < 0) return 0;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value > kLastCodePoint || surrogate ? 0 : value;
}

// The character of the reference whose body is `body`, or 0 when it is not one.
char32_t ReferenceValue(std::string_view body) {
    if (!body.empty() && body[0] == '#') return NumericValue(body);
    for (const CNamedReference& named : kNamed)
        if (body == named.name) return named.value;
    return 0;
}

// Writes the character at `out` and returns the position after it. A character never takes more
// bytes than the shortest reference that names it, so decoding can write over its own text.
char* PutUtf8(char* out, char32_t value) {
    if (value < 0x80) {
        *out++ = static_cast<char>(value);
        return out;
    }
    std::size_t count;
    if (value < 0x800) {
        *out = static_cast<char>(0xC0 | (value >> 6));
        count = 2;
    } else if (value < 0x10000) {
        *out = static_cast<char>(0xE0 | (value >> 12));
        count = 3;
    } else {
        *out = static_cast<char>(0xF0 | (value >> 18));
        count = 4;
    }
    for (std::size_t i = 1; i < count; ++i)
        out[i] = static_cast<char>(0x80 | ((value >> (6 * (count - 1 - i))) & 0x3F));
    return out + count;
}

// The same in the code page: at most two bytes for one character there, and '?' for none.
char* PutAnsi(char* out, char32_t value, const CTextConv& conv) {
    if (value < 0x80) {
        *out++ = static_cast<char>(value);
        return out;
    }
    std::u16string wide;
    if (value >= 0x10000) {
        value -= 0x10000;
        wide += static_cast<char16_t>(0xD800 + (value >> 10));
        wide += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
    } else {
        wide += static_cast<char16_t>(value);
    }
    const std::string ansi = conv.WideToAnsi(wide);
    if (ansi.empty() || ansi.size() > 2) {
        *out++ = '?';
        return out;
    }
    for (char c : ansi) *out++ = c;
    return out;
}

}  // namespace

void DecodeCharacterReferences(std::string& text, bool utf8, const CTextConv& conv) {
    // The longest reference worth looking at: '&', '#', 'x', the digits and ';'.
    constexpr std::size_t kLongest = kMaxDigits + 4;
    std::size_t at = text.find('&');
    if (at == std::string::npos) return;
    // Decoded in place: `out` never passes the position being read.
    char* const begin = &text[0];
    char* out = begin + at;
    while (at != std::string::npos) {
        // Only the next few bytes are searched for the ';', so a text full of '&' stays linear.
        const std::string_view after = std::string_view(text).substr(at + 1, kLongest);
        const std::size_t length = after.find(';');
        const char32_t value =
            length != std::string_view::npos ? ReferenceValue(after.substr(0, length)) : 0;
        std::size_t next = at + 1;
        if (value != 0) {
            out = utf8 ? PutUtf8(out, value) : PutAnsi(out, value, conv);
            next += length + 1;
        } else {
            *out++ = '&';
        }
        at = text.find('&', next);
        const std::size_t end = at == std::string::npos ? text.size() : at;
        std::memmove(out, begin + next, end - next);
        out += end - next;
    }
    text.resize(static_cast<std::size_t>(out - begin));
}
