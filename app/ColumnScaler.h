// CColumnScaler: turns the design widths of a list's columns into widths that fill the list's
// actual client width, for lists whose widths are not stored or not to be restored.
#pragma once

class CColumnScaler {
public:
    // `designWidth` is the list width the design widths were chosen for; when it is not positive
    // the actual width is taken, so that the design widths are used as they are.
    CColumnScaler(int clientWidth, int designWidth, int columnCount, bool narrowerByScrollBar,
                  int scrollBarWidth);

    // (rounding + w * actual width) / design width, rounded down; w itself when the design width
    // is zero.
    int Scale(int designColumnWidth) const;

    int m_nActualWidth;
    int m_nDesignPixels;
    int m_nRounding;
    bool m_bDesignWasNegative;  // the given design width was not positive
};
