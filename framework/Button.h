// CButton: a push button, check box or radio button.
#pragma once

#include "framework/Window.h"

class CButton : public CWindow {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    void Click() { SendMessage(BM_CLICK); }
};
