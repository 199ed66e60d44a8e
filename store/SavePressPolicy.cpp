// CSavePressPolicy: counting Save presses towards a write of the data file.
#include "store/SavePressPolicy.h"

#include <climits>

CSavePressPolicy::CPress CSavePressPolicy::Press(int savePresses) const {
    CPress press;
    press.m_nSavePresses = savePresses;
    if (!m_bSaveOnPresses) return press;
    // Saturates rather than overflows when writes keep failing.
    if (press.m_nSavePresses < INT_MAX) ++press.m_nSavePresses;
    press.m_bWriteNow = press.m_nSavePresses >= m_nSaveLimit;
    return press;
}

void CSavePressPolicy::WriteFinished(CPress& press, bool written) {
    if (!press.m_bWriteNow || !written) {
        press.m_bModified = true;
        return;
    }
    press.m_nSavePresses = 0;
    press.m_bModified = false;
}
