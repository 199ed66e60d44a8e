// CNumbersPage: the thousands separator.
#include "options/NumbersPage.h"

#include "res/resource.h"

namespace {

struct CChoiceButton {
    ESeparatorChoice choice;
    int id;
};

const CChoiceButton kChoiceButtons[] = {{ESeparatorChoice::comma, IDC_SEP_COMMA},
                                        {ESeparatorChoice::dot, IDC_SEP_DOT},
                                        {ESeparatorChoice::space, IDC_SEP_SPACE},
                                        {ESeparatorChoice::other, IDC_SEP_OTHER}};

}  // namespace

CNumbersPage::CNumbersPage() : CPropertyPageRestore(IDD_NUMBERS) {}

void CNumbersPage::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_SEP_OTHER_TEXT, m_strOther);
    DDV_MaxChars(dx, IDC_SEP_OTHER_TEXT, m_strOther, 1);
    DDX_Check(dx, IDC_USE_SEPARATOR, m_bUseSep);
}

BOOL CNumbersPage::OnInitDialog() {
    ::SendMessageA(GetDlgItem(IDC_SEP_OTHER_TEXT), EM_SETLIMITTEXT, 1, 0);
    const ESeparatorChoice choice = ChoiceOfSeparator(m_chSep);
    if (choice == ESeparatorChoice::other) m_strOther.assign(1, m_chSep);
    CPropertyPageRestore::OnInitDialog();
    for (const CChoiceButton& button : kChoiceButtons)
        ::CheckDlgButton(m_hWnd, button.id, button.choice == choice ? BST_CHECKED : BST_UNCHECKED);
    EnableChoices();
    SetModified(false);
    return TRUE;
}

ESeparatorChoice CNumbersPage::CheckedChoice() const {
    for (const CChoiceButton& button : kChoiceButtons)
        if (::IsDlgButtonChecked(m_hWnd, button.id) == BST_CHECKED) return button.choice;
    return ESeparatorChoice::comma;
}

void CNumbersPage::EnableChoices() {
    const bool use = ::IsDlgButtonChecked(m_hWnd, IDC_USE_SEPARATOR) == BST_CHECKED;
    for (const CChoiceButton& button : kChoiceButtons) ::EnableWindow(GetDlgItem(button.id), use);
    ::EnableWindow(GetDlgItem(IDC_SEP_OTHER_TEXT),
                   use && CheckedChoice() == ESeparatorChoice::other);
}

bool CNumbersPage::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return CPropertyPageRestore::OnCommand(id, code, control);
    if (id == IDC_USE_SEPARATOR || id == IDC_SEP_COMMA || id == IDC_SEP_DOT ||
        id == IDC_SEP_SPACE || id == IDC_SEP_OTHER) {
        EnableChoices();
        SetModified();
        return true;
    }
    return CPropertyPageRestore::OnCommand(id, code, control);
}

void CNumbersPage::OnOK() {
    UpdateData(true);
    m_chSep = SeparatorOfChoice(CheckedChoice(), m_strOther);
    if (m_pLinksDlg) m_pLinksDlg->SetNumberFormat(m_bUseSep != 0, m_chSep);
}
