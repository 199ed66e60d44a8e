// CBusyCursor: the arrow with a small hourglass while long work runs on the window's thread,
// shown again by Show (a window that the work lets through may have set another), and the
// arrow again when the object goes.
#pragma once

#include <windows.h>

class CBusyCursor {
public:
    CBusyCursor()
        : m_hArrow(::LoadCursor(nullptr, IDC_ARROW)),
          m_hBusy(::LoadCursor(nullptr, IDC_APPSTARTING)) {
        Show();
    }
    ~CBusyCursor() { ::SetCursor(m_hArrow); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;

    void Show() const { ::SetCursor(m_hBusy); }

private:
    HCURSOR m_hArrow;
    HCURSOR m_hBusy;
};
