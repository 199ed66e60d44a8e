// CSortState: what the main window remembers between sorts of the list of links. A header click
// sorts by its column, increasing, and a second click on the same header reverses the order. The
// Multi-Column Sorting window starts from the default order at its first opening and after any
// header-click sort, otherwise from the order last confirmed with OK; the window edits a copy,
// so Cancel leaves the confirmed order as it was. Nothing of it outlives the run.
#pragma once

#include "tools/MultiSortOrder.h"

class CSortState {
public:
    // Attributes
    int GetLastSortColumn() const { return m_nLastSortColumn; }
    bool IsReverseSort() const { return m_bReverseSort; }
    const CMultiSortOrder& GetMultiSortOrder() const { return m_multiSortOrder; }

    // Operations
    // A click on the header of `column`: returns true when the sort by it runs in decreasing
    // order.
    bool ClickHeader(int column);
    // The opening of the Multi-Column Sorting window: the order the window starts from. The next
    // header click sorts increasing, whatever the window's outcome.
    CMultiSortOrder OpenMultiSort();
    // OK in the window: the order to sort by, and to start from at the next opening.
    void AcceptMultiSort(const CMultiSortOrder& order) { m_multiSortOrder = order; }

private:
    int m_nLastSortColumn = -1;
    bool m_bReverseSort = false;
    bool m_bResetMultiSort = true;
    CMultiSortOrder m_multiSortOrder;
};
