#include "options/MiscPage.h"

#include "res/resource.h"

CMiscPage::CMiscPage() : CPropertyPageRestore(IDD_MISC) {}

void CMiscPage::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_SHOW_TIP, m_bShowDayTip);
    DDX_Check(dx, IDC_RESTORE_PLACEMENT, m_bRestorePlacement);
    DDX_Check(dx, IDC_MOVE_TO_TITLE, m_bMoveToTitle);
    DDX_Check(dx, IDC_MOVE_TO_LINK, m_bMoveToLink);
    DDX_Check(dx, IDC_COPY_LINK, m_bCopyLink);
    DDX_Check(dx, IDC_CONFIRM_DELETE, m_bConfirmDelete);
    DDX_Check(dx, IDC_MOVE_SAVE, m_bMoveSave);
    DDX_Check(dx, IDC_SAVE_WIDTHS, m_bSaveColumnWidths);
}
