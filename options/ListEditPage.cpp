#include "options/ListEditPage.h"

#include "res/resource.h"

bool CListEditPage::OnCommand(int id, int code, HWND control) {
    if (id == m_nListId && code == LBN_DBLCLK) {
        OnEdit();
        return true;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_ADD:
                OnAdd();
                return true;
            case IDC_EDIT_ENTRY:
                OnEdit();
                return true;
            case IDC_DELETE:
                OnDelete();
                return true;
            default:
                break;
        }
    }
    return CPropertyPageRestore::OnCommand(id, code, control);
}
