#include "tools/UndoPreviewDlg.h"

#include "res/resource.h"

CUndoPreviewDlg::CUndoPreviewDlg(HWND parent) : CDialog(IDD_UNDO_PREVIEW, parent) {}

BOOL CUndoPreviewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_nCount == 0 || !m_records) return TRUE;
    ::SetDlgItemTextA(m_hWnd, IDC_PREVIEW_ACTION, m_strAction.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_PREVIEW_EFFECT, m_strEffect.c_str());
    if (m_nCount == 1) ::EnableWindow(GetDlgItem(IDC_NEXT), FALSE);
    ::SetDlgItemTextA(m_hWnd, IDOK, m_bUndo ? "&Undo" : "&Redo");
    m_nIndex = 0;
    ShowItem();
    return TRUE;
}

void CUndoPreviewDlg::ShowItem() {
    const CLinkItem* item = m_records(m_nIndex);
    const CLinkItem empty;
    if (!item) item = &empty;
    ::SetDlgItemTextA(m_hWnd, IDC_TITLE, item->m_strTitle.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_LINK, item->m_strLink.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_DESCRIPTION, item->m_strDescription.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_PREVIEW_CATEGORY, item->m_strCategory.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_MODIFIED_DATE, item->m_dtModified.FormatShort().c_str());
}

bool CUndoPreviewDlg::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && (id == IDC_PREVIOUS || id == IDC_NEXT) && m_nCount > 0 && m_records) {
        if (id == IDC_PREVIOUS && m_nIndex > 0) --m_nIndex;
        if (id == IDC_NEXT && m_nIndex + 1 < m_nCount) ++m_nIndex;
        ShowItem();
        ::EnableWindow(GetDlgItem(IDC_PREVIOUS), m_nIndex > 0);
        ::EnableWindow(GetDlgItem(IDC_NEXT), m_nIndex + 1 < m_nCount);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}
