// CTextConv: the portable conversions (Latin-1, ASCII case) and the instance in force.
#include "store/TextConv.h"

#include <algorithm>
#include <atomic>

namespace {

bool IsAsciiUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}

char FoldAscii(char c) {
    return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The conversions installed by SetTextConv; null while the portable ones are in force. A local
// static keeps the portable instance usable from other files' static initialisers.
std::atomic<const CTextConv*> g_conv{nullptr};

const CTextConv& PortableConv() {
    static const CTextConv portable;
    return portable;
}

}  // namespace

std::string CTextConv::WideToAnsi(std::u16string_view wide) const {
    std::string ansi;
    ansi.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (c <= 0xFF) {
            ansi += static_cast<char>(c);
            continue;
        }
        // A surrogate pair is one character outside Latin-1: one '?' for both code units.
        if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) ++i;
        ansi += '?';
    }
    return ansi;
}

std::u16string CTextConv::AnsiToWide(std::string_view ansi) const {
    std::u16string wide(ansi.size(), u'\0');
    for (std::size_t i = 0; i < ansi.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(ansi[i]));
    return wide;
}

std::string CTextConv::FoldCase(std::string_view text) const {
    std::string folded(text);
    for (char& c : folded) c = FoldAscii(c);
    return folded;
}

bool CTextConv::IsAlphaNumeric(char c) const {
    return IsAsciiUpper(c) || IsAsciiLower(c) || (c >= '0' && c <= '9');
}

bool CTextConv::IsUpper(char c) const {
    return IsAsciiUpper(c);
}

char CTextConv::ToUpper(char c) const {
    return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

char CTextConv::ToLower(char c) const {
    return FoldAscii(c);
}

int CTextConv::CompareNoCase(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(FoldAscii(a[i]));
        const auto right = static_cast<unsigned char>(FoldAscii(b[i]));
        if (left != right) return left - right;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

const CTextConv& TextConv() {
    const CTextConv* conv = g_conv.load();
    return conv ? *conv : PortableConv();
}

void SetTextConv(const CTextConv* conv) {
    g_conv.store(conv);
}

std::u16string Utf8ToWide(std::string_view utf8) {
    constexpr char16_t replacement = 0xFFFD;
    std::u16string wide;
    wide.reserve(utf8.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            wide += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        // The sequence's length, and the range of its second byte, which rules out overlong
        // forms, surrogates and values above U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        if (lead >= 0xE0 && lead <= 0xEF) length = 3;
        if (lead >= 0xF0 && lead <= 0xF4) length = 4;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        char32_t value = lead & (0x7F >> length);
        std::size_t taken = 1;
        for (; taken < length && i + taken < utf8.size(); ++taken) {
            const unsigned char next = byte(i + taken);
            if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF)) break;
            value = (value << 6) | (next & 0x3F);
        }
        i += taken;
        // A sequence cut short counts once, however many of its bytes were there.
        if (length == 0 || taken < length) {
            wide += replacement;
        } else if (value >= 0x10000) {
            value -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (value >> 10));
            wide += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        } else {
            wide += static_cast<char16_t>(value);
        }
    }
    return wide;
}

void AppendWideAsUtf8(std::u16string_view wide, std::string& utf8) {
    utf8.reserve(utf8.size() + wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t value = wide[i];
        if (value < 0x80) {
            utf8 += static_cast<char>(value);
            continue;
        }
        if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            value = 0x10000 + ((value - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(wide[i]) || IsLowSurrogate(wide[i])) {
            value = 0xFFFD;
        }
        if (value < 0x800) {
            utf8 += static_cast<char>(0xC0 | (value >> 6));
        } else if (value < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (value >> 12));
            utf8 += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (value >> 18));
            utf8 += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        }
        utf8 += static_cast<char>(0x80 | (value & 0x3F));
    }
}
