// CLinksDlg: the Options button, the options sheet after a failure of the data file, and what
// the options pages ask of the main window.
#include <mutex>

#include "app/SaveJob.h"
#include "app/SettingsStore.h"
#include "mainwnd/LinksDlg.h"
#include "options/OptionsSheet.h"
#include "store/TextTrim.h"

namespace {

// The settings that pages show as they are, with the page member each goes to and comes from.
template <class Page>
using CField = std::pair<int CSettings::*, int Page::*>;

const CField<CSavingPage> kSavingFields[] = {
    {&CSettings::m_bSaveOnClose, &CSavingPage::m_bSaveOnClose},
    {&CSettings::m_bSaveOnPresses, &CSavingPage::m_bSaveOnPresses},
    {&CSettings::m_bSaveOnTimer, &CSavingPage::m_bSaveOnTimer}};
const CField<CSearchingPage> kSearchingFields[] = {
    {&CSettings::m_bSearchCategory, &CSearchingPage::m_bSearchCategory},
    {&CSettings::m_bSearchLink, &CSearchingPage::m_bSearchLink},
    {&CSettings::m_bPositionOnLast, &CSearchingPage::m_bPositionOnLast},
    {&CSettings::m_bInterruptible, &CSearchingPage::m_bInterruptible},
    {&CSettings::m_bSearchTitle, &CSearchingPage::m_bSearchTitle},
    {&CSettings::m_bAllowTypos, &CSearchingPage::m_bAllowTypos},
    {&CSettings::m_bSearchDescription, &CSearchingPage::m_bSearchDescription},
    {&CSettings::m_nSeparation, &CSearchingPage::m_nSeparation}};
const CField<CNumbersPage> kNumbersFields[] = {
    {&CSettings::m_bUseThousandsSep, &CNumbersPage::m_bUseSep}};
const CField<CMiscPage> kMiscFields[] = {
    {&CSettings::m_bShowDayTip, &CMiscPage::m_bShowDayTip},
    {&CSettings::m_bRestorePlacement, &CMiscPage::m_bRestorePlacement},
    {&CSettings::m_bMoveToTitle, &CMiscPage::m_bMoveToTitle},
    {&CSettings::m_bMoveToLink, &CMiscPage::m_bMoveToLink},
    {&CSettings::m_bCopyLink, &CMiscPage::m_bCopyLink},
    {&CSettings::m_bConfirmDelete, &CMiscPage::m_bConfirmDelete},
    {&CSettings::m_bMoveSave, &CMiscPage::m_bMoveSave},
    {&CSettings::m_bSaveColumnWidths, &CMiscPage::m_bSaveColumnWidths}};

template <class Page, std::size_t N>
void ToPage(const CSettings& settings, Page& page, const CField<Page> (&fields)[N]) {
    for (const auto& [setting, member] : fields) page.*member = settings.*setting;
}

template <class Page, std::size_t N>
void FromPage(CSettings& settings, const Page& page, const CField<Page> (&fields)[N]) {
    for (const auto& [setting, member] : fields) settings.*setting = page.*member;
}

}  // namespace

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
    ToPage(s, saving, kSavingFields);
    saving.m_nTimerIndex = s.m_nTimerIndex;
    saving.m_nPressIndex = s.m_nSaveLimit - 1;
    saving.m_strDataFile = s.m_strDataFile;
    saving.m_listDataFiles = s.m_listDataFiles;
    sheet.m_categories.m_strNewChoice = m_list.m_strNewCategory;
    ToPage(s, sheet.m_searching, kSearchingFields);
    ToPage(s, sheet.m_numbers, kNumbersFields);
    sheet.m_numbers.m_chSep = s.m_chThousandsSep;
    ToPage(s, sheet.m_misc, kMiscFields);

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
        FromPage(s, saving, kSavingFields);
        if (saving.m_nPressIndex >= 0) s.m_nSaveLimit = saving.m_nPressIndex + 1;
        if (saving.m_nTimerIndex >= 0) s.m_nTimerIndex = saving.m_nTimerIndex;
        s.m_strDataFile = TrimText(saving.m_strDataFile);
        s.m_listDataFiles = saving.m_listDataFiles;
        m_list.m_strNewCategory = sheet.m_categories.m_strNewChoice;
    }
    FromPage(s, sheet.m_searching, kSearchingFields);
    if (!m_comboSearch.GetWindowText().empty()) RunSearch();
    FromPage(s, sheet.m_numbers, kNumbersFields);
    s.m_chThousandsSep = sheet.m_numbers.m_chSep;
    FromPage(s, sheet.m_misc, kMiscFields);
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
