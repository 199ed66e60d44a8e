// CompareNatural: the order of the category list and of the text columns. Digit runs compare by
// their numeric value (of any length), other characters without regard to ASCII case; when one
// text ends, the remaining byte decides as a signed 8-bit value, so bytes 0x80..0xFF sort before
// every ASCII character.
#pragma once

#include <cstddef>
#include <string_view>

int CompareNatural(std::string_view left, std::string_view right);

// Writes the first `size` bytes of a sort key of `text` for this order. Where the keys of two
// texts differ, the first differing byte, taken unsigned, orders the texts as CompareNatural
// does; equal keys leave the order to CompareNatural. Sorts compare the keys first, so that most
// comparisons read neither the records nor their texts.
void NaturalKeyPrefix(std::string_view text, unsigned char* key, std::size_t size);

// Comparator object for the sorted controls; the owner may replace it with another.
class CNaturalComparator {
public:
    virtual ~CNaturalComparator() = default;
    virtual int Compare(std::string_view left, std::string_view right) const {
        return CompareNatural(left, right);
    }
};
