// The character rules the matchers share: case folding of the ASCII letters only, the four
// white-space characters, and a word-at-a-time filter over the start positions of a text.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace match {

// Upper case of a byte: only a to z change; bytes 0x80 to 0xFF and all others stay as they are,
// whatever the code page, so that matching is the same on every system.
inline unsigned char Upper(char c) {
    const unsigned u = static_cast<unsigned char>(c);
    return static_cast<unsigned char>(u - 'a' < 26u ? u - ('a' - 'A') : u);
}

inline bool EqualNoCase(char a, char b) {
    return Upper(a) == Upper(b);
}

// Space, tab, CR and LF; vertical tab and form feed are ordinary characters here.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Bytes compared a machine word at a time. A byte's key is the byte with bit 5 set, which turns
// an ASCII capital into its small letter: bytes equal without regard to case have equal keys.
// The converse fails only for the pairs that differ in bit 5 and are not letters ('[' and '{',
// 0xC9 and 0xE9, ...), so a key test is a filter that the caller's own comparison completes.
using Word = std::size_t;
constexpr std::size_t kWordBytes = sizeof(Word);

namespace detail {

constexpr Word kOnes = ~Word(0) / 0xFF;  // 0x01 in every byte
constexpr Word kLow7 = kOnes * 0x7F;
constexpr Word kBit5 = kOnes * 0x20;

// The word whose byte k (counted from the least significant) is p[k].
inline Word LoadWord(const char* p) {
#if defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__) && \
    __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    Word w = 0;
    for (std::size_t k = kWordBytes; k-- > 0;) w = (w << 8) | static_cast<unsigned char>(p[k]);
    return w;
#else
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
#endif
}

// The high bit of every byte of `w` that is zero, and no other bit (no borrow crosses bytes).
inline Word ZeroBytes(Word w) {
    return ~(((w & kLow7) + kLow7) | w | kLow7);
}

inline std::size_t LowestByte(Word mask) {
#if defined(__GNUC__)
    if constexpr (sizeof(Word) == sizeof(unsigned long long))
        return static_cast<std::size_t>(__builtin_ctzll(mask)) / 8;
    else
        return static_cast<std::size_t>(__builtin_ctz(mask)) / 8;
#else
    std::size_t k = 0;
    while (!(mask & 0x80)) {
        mask >>= 8;
        ++k;
    }
    return k;
#endif
}

}  // namespace detail

// A key of one character, repeated in every byte.
class CKey {
public:
    explicit CKey(char c) : m_word(detail::kOnes * (static_cast<unsigned char>(c) | 0x20u)) {}
    // For the word of bytes from `p` on: the high bit of each byte that has this key.
    Word In(const char* p) const {
        return detail::ZeroBytes((detail::LoadWord(p) | detail::kBit5) ^ m_word);
    }

private:
    Word m_word;
};

// Calls tryAt(start) for the start positions of `text` in order until it returns true, and
// returns whether one did. `candidates(p)` rules starts out a word at a time: for the starts at
// p[0] to p[kWordBytes - 1] it returns a word with the high bit of byte k set when the start at
// p[k] may match, and it may read up to `lookahead` bytes past the word. The last word of starts
// overlaps the one before it; the last `lookahead` starts, and every start of a text too short
// for one word, are all tried.
template <typename Candidates, typename TryAt>
bool ForEachStart(std::string_view text, std::size_t lookahead, Candidates candidates,
                  TryAt tryAt) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    const auto tryMask = [&](std::size_t word, Word mask) {
        for (; mask; mask &= mask - 1)
            if (tryAt(word + detail::LowestByte(mask))) return true;
        return false;
    };
    std::size_t start = 0;  // the first start not yet tried
    if (size >= kWordBytes + lookahead) {
        const std::size_t last = size - kWordBytes - lookahead;
        for (; start <= last; start += kWordBytes)
            if (tryMask(start, candidates(data + start))) return true;
        if (start < last + kWordBytes) {
            // Only the starts from `start` on are new in the overlapping last word.
            const Word fresh = ~Word(0) << (8 * (start - last));
            if (tryMask(last, candidates(data + last) & fresh)) return true;
            start = last + kWordBytes;
        }
    }
    for (; start < size; ++start)
        if (tryAt(start)) return true;
    return false;
}

}  // namespace match
