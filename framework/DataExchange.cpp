#include "framework/DataExchange.h"

#include "framework/Window.h"

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
