// CSearchingPage: the searching options.
#include "options/SearchingPage.h"

#include <commctrl.h>

#include "res/resource.h"

CSearchingPage::CSearchingPage() : CPropertyPageRestore(IDD_SEARCHING) {}

void CSearchingPage::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_FIND_CATEGORY, m_bSearchCategory);
    DDX_Check(dx, IDC_FIND_LINK, m_bSearchLink);
    DDX_Check(dx, IDC_POSITION_ON_LAST, m_bPositionOnLast);
    DDX_Check(dx, IDC_INTERRUPTIBLE, m_bInterruptible);
    DDX_Check(dx, IDC_FIND_TITLE, m_bSearchTitle);
    DDX_Check(dx, IDC_ALLOW_TYPOS, m_bAllowTypos);
    DDX_Check(dx, IDC_FIND_DESCRIPTION, m_bSearchDescription);
}

BOOL CSearchingPage::OnInitDialog() {
    CPropertyPageRestore::OnInitDialog();
    // The slider keeps a stored value outside its range at its nearest end.
    HWND slider = GetDlgItem(IDC_SEPARATION);
    ::SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(kLowSeparation, kHighSeparation));
    ::SendMessageA(slider, TBM_SETPOS, TRUE, m_nSeparation);
    ::SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
    ::SendMessageA(slider, TBM_SETPAGESIZE, 0, 1);
    EnableTypoControls();
    if (m_pLinksDlg)
        ::EnableWindow(GetDlgItem(IDC_CLEAR_SEARCH_LIST), m_pLinksDlg->HasSearchTerms());
    return TRUE;
}

void CSearchingPage::EnableTypoControls() {
    // An indeterminate check box counts as unchecked.
    const BOOL enable = ::IsDlgButtonChecked(m_hWnd, IDC_ALLOW_TYPOS) == BST_CHECKED;
    for (const int id :
         {IDC_SEPARATION_LABEL, IDC_SEPARATION_LOW, IDC_SEPARATION, IDC_SEPARATION_HIGH})
        ::EnableWindow(GetDlgItem(id), enable);
}

bool CSearchingPage::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id == IDC_ALLOW_TYPOS) {
        EnableTypoControls();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_CLEAR_SEARCH_LIST) {
        // At once: cancelling the sheet afterwards does not bring the history back.
        if (m_pLinksDlg) m_pLinksDlg->ClearSearchTerms();
        ::EnableWindow(GetDlgItem(IDC_CLEAR_SEARCH_LIST), FALSE);
        return true;
    }
    return CPropertyPageRestore::OnCommand(id, code, control);
}

void CSearchingPage::OnOK() {
    m_nSeparation = static_cast<int>(::SendMessageA(GetDlgItem(IDC_SEPARATION), TBM_GETPOS, 0, 0));
    UpdateData(true);
}
