// CompareNatural: the order of the category list and of the text columns. Digit runs compare by
// their numeric value (of any length), other characters without regard to ASCII case; when one
// text ends, the remaining byte decides as a signed 8-bit value, so bytes 0x80..0xFF sort before
// every ASCII character.
#pragma once

#include <string_view>

int CompareNatural(std::string_view left, std::string_view right);

// Comparator object for the sorted controls; the owner may replace it with another.
class CNaturalComparator {
public:
    virtual ~CNaturalComparator() = default;
    virtual int Compare(std::string_view left, std::string_view right) const {
        return CompareNatural(left, right);
    }
};
