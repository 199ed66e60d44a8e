// CHtmlOutput: buffering, conversion to UTF-8 and escaping.
#include "import/HtmlOutput.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

// What each byte needs: nothing, a reference, a line break's "<BR>", or conversion.
enum : unsigned char { plain = 0, markup = 1, lineBreak = 2, high = 4 };

struct CByteClasses {
    unsigned char of[256];
    constexpr CByteClasses() : of() {
        for (int c = 0x80; c < 256; ++c) of[c] = high;
        // Indexed as unsigned bytes: clang warns about a char subscript.
        for (const unsigned char c : {'&', '<', '>', '"'}) of[c] = markup;
        for (const unsigned char c : {'\r', '\n'}) of[c] = lineBreak;
    }
};
constexpr CByteClasses kClasses;

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Whether any of the eight bytes in `word` equals `c`, without a false answer.
constexpr std::uint64_t HasByte(std::uint64_t word, unsigned char c) {
    const std::uint64_t x = word ^ (kOnes * c);
    return (x - kOnes) & ~x & kHighBits;
}

// The position of the first byte at or after `at` whose class is among `stops`, or `size`.
// Texts are mostly plain, so eight bytes at a time are tested for any stop at all first.
std::size_t FindStop(const unsigned char* bytes, std::size_t at, std::size_t size,
                     unsigned char stops) {
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        std::uint64_t found = HasByte(word, '&') | HasByte(word, '<') | HasByte(word, '>') |
                              HasByte(word, '"') | ((stops & high) ? word & kHighBits : 0);
        if (stops & lineBreak) found |= HasByte(word, '\r') | HasByte(word, '\n');
        if (found) break;
    }
    while (at < size && !(kClasses.of[bytes[at]] & stops)) ++at;
    return at;
}

}  // namespace

void CHtmlOutput::Drain() {
    if (m_used != 0) m_sink.Write(m_buffer, m_used);
    m_used = 0;
}

void CHtmlOutput::MarkupSlow(std::string_view bytes) {
    Drain();
    if (bytes.size() > bufferSize) {
        m_sink.Write(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(m_buffer, bytes.data(), bytes.size());
    m_used = bytes.size();
}

void CHtmlOutput::Indent(std::size_t levels) {
    static constexpr char spaces[] =
        "                                                                                          "
        "                                      ";
    Markup(std::string_view(spaces, std::min(4 * levels, sizeof spaces - 1)));
}

void CHtmlOutput::Number(std::uint64_t value) {
    char digits[24];
    char* end = digits + sizeof digits;
    char* at = end;
    do {
        *--at = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    Markup(std::string_view(at, static_cast<std::size_t>(end - at)));
}

void CHtmlOutput::Escaped(std::string_view text, bool lines) {
    // Bytes below 0x80 are the same character in every ANSI code page, the trail bytes of a
    // double-byte code page included (they follow a lead byte above 0x7F). So the text is
    // escaped as it is up to its first byte above 0x7F, and from there converted as a whole.
    const std::size_t taken = EscapeRun(text, lines, true);
    if (taken == text.size()) return;
    m_utf8.clear();
    AppendWideAsUtf8(m_wide = m_conv.AnsiToWide(text.substr(taken)), m_utf8);
    EscapeRun(m_utf8, lines, false);
}

std::size_t CHtmlOutput::EscapeRun(std::string_view text, bool lines, bool stopHigh) {
    const unsigned char stops = markup | (lines ? lineBreak : plain) | (stopHigh ? high : plain);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t at = 0;
    while (at < size) {
        const std::size_t run = FindStop(bytes, at, size, stops);
        Markup(text.substr(at, run - at));
        if (run == size) return size;
        const unsigned char c = bytes[run];
        at = run + 1;
        switch (c) {
            case '&':
                Markup("&amp;");
                break;
            case '<':
                Markup("&lt;");
                break;
            case '>':
                Markup("&gt;");
                break;
            case '"':
                Markup("&quot;");
                break;
            case '\r':
                if (at < size && bytes[at] == '\n') ++at;
                Markup("<BR>");
                break;
            case '\n':
                Markup("<BR>");
                break;
            default:
                return run;  // above 0x7F
        }
    }
    return size;
}

bool CHtmlOutput::Flush() {
    Drain();
    return m_sink.Flush();
}
