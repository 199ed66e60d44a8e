// CSortState: the direction of header-click sorts and the order of the multi-column sort.
#include "tools/SortState.h"

bool CSortState::ClickHeader(int column) {
    m_bReverseSort = column == m_nLastSortColumn ? !m_bReverseSort : false;
    m_bResetMultiSort = true;
    m_nLastSortColumn = column;
    return m_bReverseSort;
}

CMultiSortOrder CSortState::OpenMultiSort() {
    if (m_bResetMultiSort) m_multiSortOrder.Reset();
    m_bResetMultiSort = false;
    m_nLastSortColumn = -1;
    return m_multiSortOrder;
}
