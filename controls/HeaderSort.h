// CHeaderSort: the order a header click asks for. A click on another column sorts it in
// increasing order; each further click on the same column reverses the order.
#pragma once

class CHeaderSort {
public:
    void Click(int column) {
        m_bReversed = column == m_nLastColumn && !m_bReversed;
        m_nLastColumn = column;
    }
    int GetColumn() const { return m_nLastColumn; }
    bool IsReversed() const { return m_bReversed; }

private:
    int m_nLastColumn = -1;
    bool m_bReversed = false;
};
