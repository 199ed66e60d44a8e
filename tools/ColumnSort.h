// The two record orders of the list of links: by one column (a header click) and by the
// priorities of the Multi-Column Sorting window. They compare text differently: one column by
// CompareNatural, several columns case-insensitively with digits as plain characters.
#pragma once

#include "store/LinkItem.h"
#include "store/LinkList.h"
#include "tools/MultiSortOrder.h"
#include "tools/SortColumn.h"

// Orders two records by one column, -1, 0 or +1: text columns by CompareNatural, the date
// columns chronologically; the result is negated when `reverse` is set. Unknown columns compare
// equal.
int CompareColumn(const CLinkItem& a, const CLinkItem& b, int column, bool reverse);
// Orders two records by each priority in turn, -1, 0 or +1: text columns by the code page's
// case-insensitive order, the date columns chronologically, each in the direction of its
// priority.
int CompareMultiColumn(const CLinkItem& a, const CLinkItem& b, const CMultiSortOrder& order);

// Stable sorts of the rows; selected rows stay selected with their records.
void SortByColumn(CLinkList& list, int column, bool reverse);
void SortByOrder(CLinkList& list, const CMultiSortOrder& order);
