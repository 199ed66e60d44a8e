// CLinksDlg: the Import window and the import of one bookmark file into the list.
#include "import/ImportDlg.h"
#include "import/ImportPresses.h"
#include "mainwnd/LinksDlg.h"
#include "store/SavePressPolicy.h"

void CLinksDlg::OnImport() {
    if (m_bSearching) return;
    // The list is the window's while it is open; a timed save meanwhile waits for it, and gives
    // way when the program must end.
    CListGuard guard(*this);
    CImportDlg dialog(m_hWnd, *this);
    dialog.DoModal();
}

CImportOutcome CLinksDlg::ImportBookmarks(const std::string& fileName, const ImportQuestion& ask) {
    CListGuard guard(*this);
    LockListUpdate(true);
    const CRowAnchors anchors = CaptureAnchors();
    const CImportOutcome outcome =
        ImportBookmarkFile(m_fileSystem, fileName, m_list, m_clock.NowStamp(), ask);
    RefreshRows(anchors);
    FillCategoryCombo();
    LockListUpdate(false);
    UpdateLinkCount();
    UpdateSelectedCount();
    // Every link counts as a Save press, but the file is written once, now that it is read.
    CImportPresses presses = CountImportedLinks(
        CSavePressPolicy(m_settings.m_bSaveOnPresses != 0, m_settings.m_nSaveLimit), m_nSavePresses,
        outcome.imported);
    if (outcome.imported == 0) return outcome;
    bool written = false;
    if (presses.m_bWriteNow) {
        const EWriteOutcome write = WriteCurrent(EWriteTrigger::pressCount);
        written = write == EWriteOutcome::written;
        if (!written) ReportWrite(write);
    }
    presses.WriteFinished(written);
    m_nSavePresses = presses.m_nSavePresses;
    m_bModified = m_bModified || presses.m_bModified;
    return outcome;
}

CNumberFormatter CLinksDlg::GetNumberFormatter() const {
    return CNumberFormatter(m_settings.m_bUseThousandsSep != 0, m_settings.m_chThousandsSep);
}
