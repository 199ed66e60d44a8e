// CLinksDlg: the Options button, the options sheet after a failure of the data file, and what
// the options pages ask of the main window.
#include <mutex>

#include "app/SaveJob.h"
#include "app/SettingsStore.h"
#include "mainwnd/LinksDlg.h"
#include "options/OptionsSheet.h"
#include "store/TextTrim.h"

void CLinksDlg::OnOptions() {
    if (m_bSearching) return;
    AddSearchTerm();
    RunOptions(false);
}

void CLinksDlg::RequestSavingPage() {
    if (m_bClosing || m_bSessionEnding || m_bOptionsOpen || m_bOptionsRequested || !IsWindow())
        return;
    m_bOptionsRequested = PostMessage(WM_OPEN_OPTIONS);
}

void CLinksDlg::RunOptions(bool savingPage) {
    if (m_bOptionsOpen) return;
    if (savingPage) CPropertySheetRestore::SaveActiveIndex(COptionsSheet::pageSaving);
    COptionsSheet sheet(m_hWnd);
    sheet.SetMainWindow(this);
    CSettings& s = m_settings;
    CSavingPage& saving = sheet.m_saving;
    saving.m_bSaveOnClose = s.m_bSaveOnClose;
    saving.m_bSaveOnPresses = s.m_bSaveOnPresses;
    saving.m_bSaveOnTimer = s.m_bSaveOnTimer;
    saving.m_nTimerIndex = s.m_nTimerIndex;
    saving.m_nPressIndex = s.m_nSaveLimit - 1;
    saving.m_strDataFile = s.m_strDataFile;
    saving.m_listDataFiles = s.m_listDataFiles;
    sheet.m_categories.m_strNewChoice = m_list.m_strNewCategory;
    CSearchingPage& searching = sheet.m_searching;
    searching.m_bSearchCategory = s.m_bSearchCategory;
    searching.m_bSearchLink = s.m_bSearchLink;
    searching.m_bPositionOnLast = s.m_bPositionOnLast;
    searching.m_bInterruptible = s.m_bInterruptible;
    searching.m_bSearchTitle = s.m_bSearchTitle;
    searching.m_bAllowTypos = s.m_bAllowTypos;
    searching.m_bSearchDescription = s.m_bSearchDescription;
    searching.m_nSeparation = s.m_nSeparation;
    sheet.m_numbers.m_bUseSep = s.m_bUseThousandsSep;
    sheet.m_numbers.m_chSep = s.m_chThousandsSep;
    CMiscPage& misc = sheet.m_misc;
    misc.m_bShowDayTip = s.m_bShowDayTip;
    misc.m_bRestorePlacement = s.m_bRestorePlacement;
    misc.m_bMoveToTitle = s.m_bMoveToTitle;
    misc.m_bMoveToLink = s.m_bMoveToLink;
    misc.m_bCopyLink = s.m_bCopyLink;
    misc.m_bConfirmDelete = s.m_bConfirmDelete;
    misc.m_bMoveSave = s.m_bMoveSave;
    misc.m_bSaveColumnWidths = s.m_bSaveColumnWidths;

    m_bOptionsOpen = true;
    const INT_PTR result = sheet.DoModal();
    m_bOptionsOpen = false;
    if (result != IDOK) return;

    switch (AutoSaveTimerChange(s.m_bSaveOnTimer != 0, s.m_nTimerIndex, saving.m_bSaveOnTimer != 0,
                                saving.m_nTimerIndex)) {
        case ETimerChange::stop:
            KillTimer(timerAutoSave);
            break;
        case ETimerChange::restart:
        case ETimerChange::start:
            SetTimer(timerAutoSave, AutoSaveInterval(saving.m_nTimerIndex));
            break;
        case ETimerChange::none:
        default:
            break;
    }
    {
        // The automatic save reads the data file's name and the list's New choice under the lock.
        CListGuard guard(*this);
        s.m_bSaveOnPresses = saving.m_bSaveOnPresses;
        if (saving.m_nPressIndex >= 0) s.m_nSaveLimit = saving.m_nPressIndex + 1;
        s.m_bSaveOnTimer = saving.m_bSaveOnTimer;
        if (saving.m_nTimerIndex >= 0) s.m_nTimerIndex = saving.m_nTimerIndex;
        s.m_bSaveOnClose = saving.m_bSaveOnClose;
        s.m_strDataFile = TrimText(saving.m_strDataFile);
        s.m_listDataFiles = saving.m_listDataFiles;
        m_list.m_strNewCategory = sheet.m_categories.m_strNewChoice;
    }
    s.m_bSearchCategory = searching.m_bSearchCategory;
    s.m_bSearchLink = searching.m_bSearchLink;
    s.m_bPositionOnLast = searching.m_bPositionOnLast;
    s.m_bInterruptible = searching.m_bInterruptible;
    s.m_bSearchTitle = searching.m_bSearchTitle;
    s.m_bAllowTypos = searching.m_bAllowTypos;
    s.m_bSearchDescription = searching.m_bSearchDescription;
    s.m_nSeparation = searching.m_nSeparation;
    if (!m_comboSearch.GetWindowText().empty()) RunSearch();
    s.m_bUseThousandsSep = sheet.m_numbers.m_bUseSep;
    s.m_chThousandsSep = sheet.m_numbers.m_chSep;
    s.m_bShowDayTip = misc.m_bShowDayTip;
    s.m_bRestorePlacement = misc.m_bRestorePlacement;
    s.m_bMoveToTitle = misc.m_bMoveToTitle;
    s.m_bMoveToLink = misc.m_bMoveToLink;
    s.m_bCopyLink = misc.m_bCopyLink;
    s.m_bConfirmDelete = misc.m_bConfirmDelete;
    s.m_bMoveSave = misc.m_bMoveSave;
    s.m_bSaveColumnWidths = misc.m_bSaveColumnWidths;
    UpdateDeleteLabel();
    UpdateLinkCount();
    UpdateSelectedCount();
    SaveSettings(m_profile, s);
}

std::vector<std::string> CLinksDlg::GetCategories() const {
    return m_list.Categories().Names();
}

void CLinksDlg::SetCategories(const std::vector<std::string>& names) {
    CListGuard guard(*this);
    m_list.Categories().ReplaceAll(names);
    FillCategoryCombo();
    m_bModified = true;
}

void CLinksDlg::RenameCategories(std::map<std::string, std::string>& oldToNew) {
    CListGuard guard(*this);
    LockListUpdate(true);
    if (m_list.RenameCategories(oldToNew)) m_bModified = true;
    LockListUpdate(false);
}

void CLinksDlg::SetNumberFormat(bool useSeparator, char separator) {
    m_settings.m_bUseThousandsSep = useSeparator ? 1 : 0;
    m_settings.m_chThousandsSep = separator;
    UpdateLinkCount();
    UpdateSelectedCount();
}
