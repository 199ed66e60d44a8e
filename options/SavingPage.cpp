// CSavingPage: the saving policy and the data files.
#include "options/SavingPage.h"

#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "res/resource.h"
#include "store/TextConv.h"

namespace {

const char* const kTimerChoices[] = {"10", "20", "30", "40", "50", "60"};
constexpr int kMostPresses = 99;

}  // namespace

CSavingPage::CSavingPage() : CPropertyPageRestore(IDD_SAVING) {}

void CSavingPage::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_DATA_FILE, m_comboFile);
    DDX_Check(dx, IDC_SAVE_ON_CLOSE, m_bSaveOnClose);
    DDX_Check(dx, IDC_SAVE_ON_PRESSES, m_bSaveOnPresses);
    DDX_Check(dx, IDC_SAVE_ON_TIMER, m_bSaveOnTimer);
    DDX_CBIndex(dx, IDC_TIMER_INTERVAL, m_nTimerIndex);
    DDX_Text(dx, IDC_DATA_FILE, m_strDataFile);
    DDV_MaxChars(dx, IDC_DATA_FILE, m_strDataFile, CDataFileNames::kMaxLength);
    DDX_CBIndex(dx, IDC_PRESS_COUNT, m_nPressIndex);
}

BOOL CSavingPage::OnInitDialog() {
    CComboBox presses;
    presses.Attach(GetDlgItem(IDC_PRESS_COUNT));
    for (int i = 1; i <= kMostPresses; ++i) presses.AddString(std::to_string(i).c_str());
    CComboBox timer;
    timer.Attach(GetDlgItem(IDC_TIMER_INTERVAL));
    for (const char* minutes : kTimerChoices) timer.AddString(minutes);
    CPropertyPageRestore::OnInitDialog();
    EnableChoices();
    ShowPressCounter();
    // The current data file is always listed.
    m_names = CDataFileNames(m_listDataFiles);
    m_comboFile.SetWindowText(m_strDataFile);
    m_strLoadedName = CommitName();
    return TRUE;
}

void CSavingPage::EnableChoices() {
    ::EnableWindow(GetDlgItem(IDC_PRESS_COUNT), ::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ON_PRESSES));
    ::EnableWindow(GetDlgItem(IDC_TIMER_INTERVAL), ::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ON_TIMER));
}

void CSavingPage::ShowPressCounter() {
    const int presses = m_pLinksDlg ? m_pLinksDlg->GetSavePresses() : 0;
    const std::string text = std::to_string(presses) + " button press" + (presses == 1 ? "" : "es");
    ::SetDlgItemTextA(m_hWnd, IDC_PRESS_COUNTER, text.c_str());
}

void CSavingPage::FillNames(const std::string& text) {
    m_comboFile.ResetContent();
    for (const std::string& name : m_names.Names()) m_comboFile.AddString(name.c_str());
    m_comboFile.SetWindowText(text);
}

std::string CSavingPage::CommitName() {
    const std::string name = m_names.Commit(m_comboFile.GetWindowText());
    FillNames(name);
    return name;
}

void CSavingPage::Finished(const char* message) {
    ShowPressCounter();
    CancelToClose();
    AppMessageBox(m_hWnd, message, MB_OK | MB_ICONINFORMATION);
}

bool CSavingPage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_DATA_FILE && code == CBN_DROPDOWN) {
        CommitName();
        return true;
    }
    if (code != BN_CLICKED) return CPropertyPageRestore::OnCommand(id, code, control);
    switch (id) {
        case IDC_SAVE_ON_PRESSES:
        case IDC_SAVE_ON_TIMER:
            EnableChoices();
            return true;
        case IDC_SAVE_FILE:
            OnSave();
            return true;
        case IDC_LOAD_FILE:
            OnLoad();
            return true;
        case IDC_APPEND_FILE:
            OnAppend();
            return true;
        case IDC_NEW_FILE:
            OnNewFile();
            return true;
        case IDC_REMOVE_FILE:
            OnRemove();
            return true;
        default:
            return CPropertyPageRestore::OnCommand(id, code, control);
    }
}

void CSavingPage::OnSave() {
    const std::string name = CommitName();
    if (!m_pLinksDlg || !CDataFileNames::IsValid(name)) return;
    if (m_pLinksDlg->SaveDataFile(name)) Finished("Finished writing to the data file.");
}

void CSavingPage::Load(const std::string& name) {
    if (m_pLinksDlg->IsModified() && AppMessageBox(m_hWnd, "Your changes will be lost.  Proceed?",
                                                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const bool loaded = m_pLinksDlg->LoadDataFile(name, false);
    m_strLoadedName = name;
    if (loaded) Finished("Finished reading from the data file.");
}

void CSavingPage::OnLoad() {
    const std::string name = CommitName();
    if (m_pLinksDlg && CDataFileNames::IsValid(name)) Load(name);
}

void CSavingPage::OnAppend() {
    const std::string name = CommitName();
    if (!m_pLinksDlg || !CDataFileNames::IsValid(name)) return;
    if (!m_pLinksDlg->LoadDataFile(name, true)) return;
    // Appending does not change the current data file.
    m_comboFile.SetWindowText(m_strLoadedName);
    Finished("Finished reading from the data file.");
}

void CSavingPage::OnNewFile() {
    const std::string name = CommitName();
    if (!m_pLinksDlg) return;
    if (CDataFileNames::IsValid(name) && m_pLinksDlg->IsModified() &&
        AppMessageBox(m_hWnd, "Do your want to save your changes?", MB_YESNO | MB_ICONQUESTION) ==
            IDYES &&
        m_pLinksDlg->SaveDataFile(name)) {
        ShowPressCounter();
        AppMessageBox(m_hWnd, "Finished writing to the data file.", MB_OK | MB_ICONINFORMATION);
    }
    m_pLinksDlg->ClearList();
    // The new name is listed when it is next committed; typing replaces "NewFile".
    const std::string folder = m_pLinksDlg->GetDocumentsFolder();
    m_comboFile.SetWindowText(folder + "NewFile.dat");
    m_comboFile.SetFocus();
    const int start = static_cast<int>(folder.size());
    m_comboFile.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, start + 7));
}

void CSavingPage::OnRemove() {
    const std::string folder = m_pLinksDlg ? m_pLinksDlg->GetDocumentsFolder() : std::string();
    FillNames(
        m_names.Remove(m_comboFile.GetWindowText(), folder + CApplication::GetAppName() + ".dat"));
}

BOOL CSavingPage::OnKillActive() {
    const bool anyChecked = ::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ON_PRESSES) ||
                            ::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ON_TIMER) ||
                            ::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ON_CLOSE);
    if (!anyChecked) {
        AppMessageBox(m_hWnd, "Please choose at least one option for saving changes to disk.",
                      MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    return CPropertyPageRestore::OnKillActive();
}

void CSavingPage::OnOK() {
    const std::string typed = m_names.Commit(m_comboFile.GetWindowText());
    if (m_pLinksDlg && CDataFileNames::IsValid(typed) &&
        !TextConv().EqualNoCase(typed, m_strLoadedName) &&
        AppMessageBox(m_hWnd, "Do you want to load the current data file?",
                      MB_YESNO | MB_ICONQUESTION) == IDYES)
        Load(typed);
    m_strDataFile = CommitName();
    if (!m_names.Names().empty()) m_listDataFiles = m_names.Names();
}
