// CTipPager: which tip of the day is shown and where the buttons may go from it. The index comes
// from the profile, so it may be anything: one outside the tips starts again at the first.
#pragma once

class CTipPager {
public:
    CTipPager(int index, int count) : m_nCount(count) { Select(index); }

    // Attributes
    int GetIndex() const { return m_nIndex; }
    int GetCount() const { return m_nCount; }
    // First and Previous are enabled exactly when this holds, Next and Last when CanGoForward.
    bool CanGoBack() const { return m_nIndex > 0; }
    bool CanGoForward() const { return m_nIndex + 1 < m_nCount; }

    // Operations
    void First() { m_nIndex = 0; }
    void Previous() {
        if (CanGoBack()) --m_nIndex;
    }
    void Next() {
        if (CanGoForward()) ++m_nIndex;
    }
    void Last() { m_nIndex = m_nCount > 0 ? m_nCount - 1 : 0; }
    void Select(int index) { m_nIndex = index >= 0 && index < m_nCount ? index : 0; }

private:
    int m_nCount;
    int m_nIndex = 0;
};

// The tip the next opening starts with, after `shown` was the last one shown; an index past the
// last tip wraps when the window opens.
inline int NextDayTipIndex(int shown) {
    return shown + 1;
}
