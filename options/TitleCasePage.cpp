// CTitleCasePage: editing the title-case exceptions.
#include "options/TitleCasePage.h"

#include "framework/MessageBox.h"
#include "options/ListPageText.h"
#include "res/resource.h"
#include "store/TextTrim.h"

CTitleCasePage::CTitleCasePage() : CListEditPage(IDD_TITLE_CASE, IDC_EXCEPTION_LIST) {}

void CTitleCasePage::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_EXCEPTION, m_editException);
    DDX_Control(dx, IDC_EXCEPTION_LIST, m_listExceptions);
}

BOOL CTitleCasePage::OnInitDialog() {
    CListEditPage::OnInitDialog();
    m_editException.SetLimitText(kMaxException);
    if (m_pLinksDlg) Fill(m_pLinksDlg->GetTitleCaseExceptions());
    return TRUE;
}

void CTitleCasePage::Fill(const std::vector<std::string>& words) {
    m_listExceptions.SetRedraw(false);
    m_listExceptions.ResetContent();
    for (const std::string& word : words) m_listExceptions.AddString(word.c_str());
    m_listExceptions.SetRedraw(true);
    m_listExceptions.Invalidate();
}

bool CTitleCasePage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_DEFAULT && code == BN_CLICKED) {
        if (m_pLinksDlg) Fill(m_pLinksDlg->GetDefaultTitleCaseExceptions());
        m_bChanged = true;
        return true;
    }
    return CListEditPage::OnCommand(id, code, control);
}

void CTitleCasePage::OnAdd() {
    const std::string word = TrimText(m_editException.GetWindowText());
    if (word.empty()) {
        m_editException.SetWindowText("");
        return;
    }
    if (!m_listExceptions.AddUnique(word)) {
        AppMessageBox(m_hWnd, "This title-case exception already exists in the list.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_bChanged = true;
    m_editException.SetWindowText("");
}

void CTitleCasePage::OnEdit() {
    std::string word;
    if (!m_listExceptions.TakeCaretEntry(word)) {
        AppMessageBox(m_hWnd, kMessageSelectItem, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_editException.SetWindowText(word);
    m_bChanged = true;
}

void CTitleCasePage::OnDelete() {
    m_listExceptions.DeleteSelected();
    m_bChanged = true;
}

void CTitleCasePage::OnOK() {
    if (!m_pLinksDlg || !m_bChanged) return;
    m_pLinksDlg->SetTitleCaseExceptions(m_listExceptions.Entries());
}
