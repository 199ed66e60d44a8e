// CEdit: a single- or multi-line edit control.
#pragma once

#include "framework/Window.h"

class CEdit : public CWindow {
public:
    void SetSel(int start, int end) {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
    void Copy() { SendMessage(WM_COPY); }
    void SetLimitText(UINT limit) { SendMessage(EM_SETLIMITTEXT, limit); }
};
