#include "framework/PropertyPage.h"

#include "framework/Application.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
    m_page = {};
    m_page.dwSize = sizeof m_page;
    m_page.dwFlags = PSP_DEFAULT;
    m_page.hInstance = CApplication::GetInstance();
    m_page.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_page.pfnDlgProc = PageProc;
    m_page.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The sheet passes its copy of the page's description at WM_INITDIALOG; it leads back to the
    // object.
    CPropertyPage* creating = nullptr;
    if (msg == WM_INITDIALOG)
        creating =
            reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    return Route(creating, hWnd, msg, wParam, lParam);
}

void CPropertyPage::SetModified(bool changed) {
    if (IsWindow())
        ::SendMessageA(GetSheet(), changed ? PSM_CHANGED : PSM_UNCHANGED,
                       reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() {
    if (IsWindow()) ::SendMessageA(GetSheet(), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::EndDialog(INT_PTR) {
    if (IsWindow()) ::PostMessageA(GetSheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bActivatedBefore) UpdateData(false);
    m_bActivatedBefore = true;
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(true) ? TRUE : FALSE;
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

bool CPropertyPage::OnCommand(int, int, HWND) {
    // OK and Cancel are the sheet's buttons, not the page's.
    return false;
}

bool CPropertyPage::OnNotify(int id, NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case PSN_SETACTIVE:
            result = OnSetActive() ? 0 : -1;
            return true;
        case PSN_KILLACTIVE:
            result = OnKillActive() ? FALSE : TRUE;
            return true;
        case PSN_APPLY:
            result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            return true;
        case PSN_RESET:
            OnReset();
            return true;
        default:
            return CDialog::OnNotify(id, header, result);
    }
}
