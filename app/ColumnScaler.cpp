// CColumnScaler: design column widths scaled to a list's client width.
#include "app/ColumnScaler.h"

#include <climits>

CColumnScaler::CColumnScaler(int clientWidth, int designWidth, int columnCount,
                             bool narrowerByScrollBar, int scrollBarWidth)
    : m_nActualWidth(narrowerByScrollBar ? clientWidth - scrollBarWidth - 1 : clientWidth),
      m_nDesignPixels(designWidth > 0 ? designWidth : m_nActualWidth),
      m_nRounding(columnCount > 0 ? m_nDesignPixels / columnCount - 1 : 0),
      m_bDesignWasNegative(designWidth <= 0) {}

int CColumnScaler::Scale(int designColumnWidth) const {
    if (m_nDesignPixels == 0) return designColumnWidth;
    // Computed in 64 bits: a wide monitor times a wide column must not overflow.
    const long long scaled =
        (m_nRounding + static_cast<long long>(designColumnWidth) * m_nActualWidth) /
        m_nDesignPixels;
    if (scaled > INT_MAX) return INT_MAX;
    if (scaled < INT_MIN) return INT_MIN;
    return static_cast<int>(scaled);
}
