// The place where a sorted control inserts a new entry: a binary search with the control's
// comparator over its entries. An equal entry ends the search and the new one goes before it;
// otherwise it goes where the search ends (0 in an empty control).
#pragma once

#include <string_view>

#include "store/CompareNatural.h"

// `textAt(i)` gives the text of entry i, 0 <= i < count.
template <class TextAt>
int FindSortedPosition(int count, std::string_view text, const CNaturalComparator& comparator,
                       TextAt textAt) {
    int lo = 0;
    int hi = count - 1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int order = comparator.Compare(text, textAt(mid));
        if (order == 0) return mid;
        if (order > 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return lo;
}
