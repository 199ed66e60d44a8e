#include "framework/DataExchange.h"

#include "framework/Window.h"

#include <commctrl.h>

#include "framework/MessageBox.h"

void DDX_Control(CDataExchange& dx, int id, CWindow& control) {
    if (!control.IsWindow()) control.Attach(::GetDlgItem(dx.m_hDialog, id));
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    CWindow control(::GetDlgItem(dx.m_hDialog, id));
    if (dx.m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    if (dx.m_bSaveAndValidate)
        value = static_cast<int>(::IsDlgButtonChecked(dx.m_hDialog, id));
    else
        ::CheckDlgButton(dx.m_hDialog, id, static_cast<UINT>(value));
}

void DDX_CBIndex(CDataExchange& dx, int id, int& index) {
    HWND combo = ::GetDlgItem(dx.m_hDialog, id);
    if (dx.m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Slider(CDataExchange& dx, int id, int& position) {
    HWND slider = ::GetDlgItem(dx.m_hDialog, id);
    if (dx.m_bSaveAndValidate)
        position = static_cast<int>(::SendMessageA(slider, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
}

void DDV_MaxChars(CDataExchange& dx, int id, const std::string& value, std::size_t count) {
    if (!dx.m_bSaveAndValidate || dx.m_bFailed || value.size() <= count) return;
    dx.m_bFailed = true;
    AppMessageBox(dx.m_hDialog,
                  "Please enter no more than " + std::to_string(count) + " characters.",
                  MB_OK | MB_ICONEXCLAMATION);
    ::SetFocus(::GetDlgItem(dx.m_hDialog, id));
}
