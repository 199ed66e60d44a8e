// CAboutDlg: the texts from the string table, the copy button and the link.
#include "auxwnd/AboutDlg.h"

#include <string>

#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg(CShellLauncher& launcher, HWND parent)
    : CDialog(IDD_ABOUTBOX, parent), m_link(launcher) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Each text is the string with its control's id, so that every one is written once.
    for (const int id : {IDC_ABOUT_PRODUCT, IDC_ABOUT_NOTICE, IDC_SUPPORT_EMAIL, IDC_WEB_LINK}) {
        std::string text;
        CApplication::LoadResourceString(static_cast<UINT>(id), text);
        ::SetDlgItemTextA(m_hWnd, id, text.c_str());
    }
    m_editEmail.Attach(GetDlgItem(IDC_SUPPORT_EMAIL));
    m_link.m_link.clear();
    m_link.SubclassDlgItem(IDC_WEB_LINK, m_hWnd);
    return TRUE;
}

bool CAboutDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_COPY_EMAIL && code == BN_CLICKED) {
        OnCopyEmail();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CAboutDlg::OnCopyEmail() {
    m_editEmail.SetSel(0, -1);
    m_editEmail.Copy();
    m_editEmail.SetSel(-1, 0);
    AppMessageBox(m_hWnd, "This e-mail address has been copied to the clipboard.",
                  MB_OK | MB_ICONINFORMATION);
}
