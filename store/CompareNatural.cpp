// CompareNatural: natural order of two ANSI texts, digit runs by value.
#include "store/CompareNatural.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A byte as the signed 8-bit value the order uses, whatever the signedness of char.
int Signed(char c) {
    return static_cast<std::int8_t>(static_cast<unsigned char>(c));
}

// The length of the digit run starting at `pos`.
std::size_t DigitRunEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

// The key byte of a character: ASCII letters folded, and the signed 8-bit order of the bytes
// made unsigned.
unsigned char KeyByte(char c) {
    return static_cast<unsigned char>(static_cast<unsigned char>(FoldAscii(c)) ^ 0x80);
}

// Compares two digit runs by value, however long they are: leading zeros are skipped, then the
// longer run is the larger number, and runs of equal length compare digit by digit.
int CompareDigitRuns(std::string_view left, std::string_view right) {
    const std::size_t leftZeros = left.find_first_not_of('0');
    const std::size_t rightZeros = right.find_first_not_of('0');
    left.remove_prefix(leftZeros == std::string_view::npos ? left.size() : leftZeros);
    right.remove_prefix(rightZeros == std::string_view::npos ? right.size() : rightZeros);
    if (left.size() != right.size()) return left.size() < right.size() ? -1 : 1;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (left[i] != right[i]) return left[i] - right[i];
    return 0;
}

}  // namespace

int CompareNatural(std::string_view left, std::string_view right) {
    // A zero byte ends a text, as it ends the texts of the controls; comparing past it would let
    // "a\0b" equal "a" while differing from "a\0c", which no sort can cope with.
    left = left.substr(0, left.find('\0'));
    right = right.substr(0, right.find('\0'));

    std::size_t l = 0;
    std::size_t r = 0;
    while (l < left.size() && r < right.size()) {
        if (IsDigit(left[l]) && IsDigit(right[r])) {
            const std::size_t leftEnd = DigitRunEnd(left, l);
            const std::size_t rightEnd = DigitRunEnd(right, r);
            const int result =
                CompareDigitRuns(left.substr(l, leftEnd - l), right.substr(r, rightEnd - r));
            if (result != 0) return result;
            l = leftEnd;
            r = rightEnd;
            continue;
        }
        const int difference = Signed(FoldAscii(left[l])) - Signed(FoldAscii(right[r]));
        if (difference != 0) return difference;
        ++l;
        ++r;
    }
    const int leftChar = l < left.size() ? Signed(left[l]) : 0;
    const int rightChar = r < right.size() ? Signed(right[r]) : 0;
    return leftChar - rightChar;
}

void NaturalKeyPrefix(std::string_view text, unsigned char* key, std::size_t size) {
    // Digit runs compare by value, so a run becomes the byte of a digit (any digit orders the same
    // against every other character), then its length without leading zeros (the longer number
    // is the larger), then those digits. The end of the text orders as a zero byte.
    constexpr std::size_t longRun = 255;
    text = text.substr(0, text.find('\0'));
    std::size_t k = 0;
    const auto put = [&](unsigned char byte) {
        if (k < size) key[k++] = byte;
    };
    std::size_t pos = 0;
    while (k < size) {
        if (pos == text.size()) {
            put(KeyByte('\0'));
            break;
        }
        if (!IsDigit(text[pos])) {
            put(KeyByte(text[pos++]));
            continue;
        }
        const std::size_t end = DigitRunEnd(text, pos);
        while (pos < end && text[pos] == '0') ++pos;
        put(KeyByte('0'));
        // A run too long for its length byte ends the key: two such runs are left to
        // CompareNatural.
        put(static_cast<unsigned char>(std::min(end - pos, longRun)));
        if (end - pos >= longRun) break;
        while (pos < end) put(static_cast<unsigned char>(text[pos++]));
    }
    std::fill(key + k, key + size, 0);
}
