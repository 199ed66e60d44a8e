// CLinksDlg: construction, start-up, message dispatch and every way out of the program.
#include "mainwnd/LinksDlg.h"

#include <vector>

#include "app/ColumnScaler.h"
#include "app/DocumentsFolder.h"
#include "app/SettingsStore.h"
#include "controls/StaticLink.h"
#include "framework/Application.h"
#include "mainwnd/LaunchJob.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

struct CColumnInfo {
    const char* caption;
    int format;
    int designWidth;
};

const CColumnInfo g_columns[CLinksDlg::columnCount] = {
    {"Title", LVCFMT_LEFT, 150},          {"Category", LVCFMT_LEFT, 100},
    {"Description", LVCFMT_LEFT, 600},    {"Added", LVCFMT_RIGHT, 160},
    {"Last Modified", LVCFMT_RIGHT, 160},
};

// The design width of the list of links: the column widths above are relative to it.
constexpr int listDesignWidth = 455;
// The profile section of the list's column widths.
const char* const listSection = "List of Links";

}  // namespace

CLinksDlg::CLinksDlg(CProfile& profile, CFileSystem& fileSystem, const CClock& clock,
                     CShellLauncher& launcher)
    : CDialog(IDD_LINKS_DIALOG),
      m_fileSystem(fileSystem),
      m_clock(clock),
      m_profile(profile),
      m_launcher(launcher),
      m_placement(profile),
      m_pUndoManager(std::make_unique<CUndoManager>(m_list)) {
    m_hIcon = ::LoadIconA(CApplication::GetInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_hAccel = ::LoadAcceleratorsA(CApplication::GetInstance(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    // The system's standard hand cursor (IDC_HAND) for the program's links.
    CStaticLink::SetHandCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));
    LoadSettings(m_profile, m_settings);
    m_titleCaser.SetExceptions(
        m_settings.m_titleCaseExceptions.value_or(CTitleCaser::GetDefaultExceptions()));
    // The engine exists for the run: its list is what the settings save.
    m_settings.m_titleCaseExceptions = m_titleCaser.GetExceptions();
    m_launchJobs = std::make_unique<CThreadJobPool>([this] {
        return std::make_unique<CLaunchJob>(
            m_launcher, [this](const std::string& message) { PostJobMessage(message); });
    });
    m_searchJobs = std::make_unique<CThreadJobPool>([this] {
        return std::make_unique<CSearchJob>([this](CSearchJob& job) { SearchWork(job); });
    });
    m_strDocumentsFolder = FindDocumentsFolder();
    if (m_settings.m_strDataFile.empty())
        m_settings.m_strDataFile = m_strDocumentsFolder + CApplication::GetAppName() + ".dat";
}

CLinksDlg::~CLinksDlg() {
    if (m_hAccel) ::DestroyAcceleratorTable(m_hAccel);
}

void CLinksDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_TITLE, m_editTitle);
    DDX_Control(dx, IDC_LINK, m_editLink);
    DDX_Control(dx, IDC_DESCRIPTION, m_editDescription);
    DDX_Control(dx, IDC_CATEGORY, m_comboCategory);
    DDX_Control(dx, IDC_SEARCH, m_comboSearch);
    DDX_Control(dx, IDC_LINK_COUNT, m_staticLinkCount);
    DDX_Control(dx, IDC_SELECTED_COUNT, m_staticSelectedCount);
    DDX_Control(dx, IDC_MODIFIED_DATE, m_staticModified);
    DDX_Control(dx, IDC_PREVIOUS, m_btnPrevious);
    DDX_Control(dx, IDC_NEXT, m_btnNext);
    DDX_Control(dx, IDC_DELETE, m_btnDelete);
}

bool CLinksDlg::PreTranslateMessage(MSG* msg) {
    if (m_hAccel && ::TranslateAcceleratorA(m_hWnd, m_hAccel, msg)) return true;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CLinksDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CApplication* app = CApplication::Get();
    if (app) app->m_hMainWnd = m_hWnd;
    m_hJobTarget = m_hWnd;

    BuildSystemMenu();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    m_listLinks.Attach(GetDlgItem(IDC_LINK_LIST), m_list);
    m_listLinks.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    InitColumns();
    // The fields take texts of any length the data file holds, not the edit control's 30,000.
    for (CEdit* edit : {&m_editTitle, &m_editLink, &m_editDescription}) edit->SetLimitText(0);
    UpdateDeleteLabel();

    LoadDataFile();
    UpdateLinkCount();
    UpdateSelectedCount();
    LoadSearchTerms();

    // Without a stored placement the window is centred and shown without taking the focus.
    if (!m_settings.m_bRestorePlacement || !m_placement.RestorePlacement(m_hWnd, false)) {
        CenterWindow();
        ShowWindow(SW_SHOWNOACTIVATE);
    }
    ShowRecoveryNote();
    if (m_settings.m_bSaveOnTimer)
        SetTimer(timerAutoSave, AutoSaveInterval(m_settings.m_nTimerIndex));
    m_saveJob.Arm([this] { WriteFromTimer(); }, true);
    ShowDeferredNotices();
    // The tip comes once the window has shown itself and told of any trouble with the data file.
    if (m_settings.m_bShowDayTip) OnTipOfTheDay();
    return TRUE;
}

void CLinksDlg::InitColumns() {
    RECT client;
    m_listLinks.GetClientRect(&client);
    const CColumnScaler scaler(client.right - client.left, listDesignWidth, columnCount, false,
                               ::GetSystemMetrics(SM_CXVSCROLL));
    std::vector<int> widths;
    const bool stored = m_settings.m_bSaveColumnWidths &&
                        m_placement.ReadColumnWidths(listSection, columnCount, widths);
    for (int i = 0; i < columnCount; ++i)
        m_listLinks.InsertColumn(
            i, g_columns[i].caption, g_columns[i].format,
            stored ? widths[static_cast<size_t>(i)] : scaler.Scale(g_columns[i].designWidth));
}

bool CLinksDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case ID_CONFIRM_EXIT:
            OnConfirmExit();
            return true;
        case IDC_TITLE:
        case IDC_LINK:
        case IDC_DESCRIPTION:
            if (code == EN_CHANGE) m_bEditorDirty = true;
            return true;
        case IDC_CATEGORY:
            if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) m_bEditorDirty = true;
            return true;
        case IDC_SEARCH:
            OnSearchCommand(code);
            return true;
        default:
            break;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_NEW:
            OnNew();
            return true;
        case IDC_SAVE:
            OnSave();
            return true;
        case IDC_DELETE:
            OnDelete();
            return true;
        case IDC_LAUNCH:
            OnLaunch();
            return true;
        case IDC_PREVIOUS:
            OnPrevNext(false);
            return true;
        case IDC_OPTIONS:
            OnOptions();
            return true;
        case IDC_NEXT:
            OnPrevNext(true);
            return true;
        default:
            return CDialog::OnCommand(id, code, control);
    }
}

void CLinksDlg::OnConfirmExit() {
    const std::string question = "Do you want to exit " + CApplication::GetAppName() + "?";
    if (AppMessageBox(m_hWnd, question, MB_YESNO | MB_ICONQUESTION, "Confirm Exit") != IDNO) OnOK();
}

void CLinksDlg::OnTimer(UINT_PTR id) {
    if (id == timerKey) {
        KillTimer(timerKey);
        ShowSelectedLink(false);
    } else if (id == timerAutoSave) {
        OnAutoSaveTick();
    }
}

bool CLinksDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(m_hIcon);
            return true;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam));
            return false;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return false;
        case WM_SYSCOMMAND:
            return OnSysCommand(static_cast<UINT>(wParam));
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return true;
        case WM_JOB_MESSAGE:
            OnJobMessage(wParam, lParam);
            return true;
        case WM_OPEN_OPTIONS:
            m_bOptionsRequested = false;
            // The sheet is open already: the user is where the request would take him.
            if (m_bOptionsOpen) return true;
            // A window of the program is open (the main window is disabled meanwhile): the
            // sheet follows when the main window is enabled again.
            if (!IsWindowEnabled())
                m_bSavingPageDue = true;
            else
                RunOptions(true);
            return true;
        case WM_ENABLE:
            // Every modal window of the program, message boxes too, disables the main window
            // while it is open and enables it as it closes.
            if (wParam && m_bSavingPageDue) {
                m_bSavingPageDue = false;
                RequestSavingPage();
            }
            return false;
        case WM_SEARCH_DONE:
            OnSearchDone(lParam);
            return true;
        default:
            return false;
    }
}

bool CLinksDlg::OnPaint() {
    if (!IsIconic()) return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    GetClientRect(&client);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

void CLinksDlg::OnSize(UINT type) {
    // Restore (position 0) is available only while minimised, Minimize (position 2) only while
    // not.
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    if (type == SIZE_MINIMIZED) {
        ::EnableMenuItem(menu, 0, MF_BYPOSITION | MF_ENABLED);
        ::EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED);
    } else if (type == SIZE_RESTORED) {
        ::EnableMenuItem(menu, 0, MF_BYPOSITION | MF_GRAYED);
        ::EnableMenuItem(menu, 2, MF_BYPOSITION | MF_ENABLED);
    }
}

void CLinksDlg::OnOK() {
    if (PrepareToClose()) CDialog::OnOK();
}

void CLinksDlg::OnCancel() {
    if (PrepareToClose()) CDialog::OnCancel();
}

bool CLinksDlg::PrepareToClose() {
    if (m_bExitPrepared) return true;
    EWriteOutcome outcome;
    {
        CListGuard guard(*this);
        outcome = SaveOnExit(EExitWay::closing);
    }
    // Closing never drops changes silently: the user decides, and may stay to keep them.
    if (m_bModified &&
        (outcome == EWriteOutcome::failed || outcome == EWriteOutcome::protectedFile)) {
        const std::string question = MessageCloseWithoutSaving(
            m_settings.m_strDataFile, outcome == EWriteOutcome::protectedFile);
        if (AppMessageBox(m_hWnd, question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            // Staying open: another data file can be chosen on the Saving page.
            RequestSavingPage();
            return false;
        }
    }
    m_bExitPrepared = true;
    m_bClosing = true;
    return true;
}

void CLinksDlg::OnDestroy() {
    m_bClosing = true;
    // The jobs go first, before the list lock is taken: a save at work needs it to finish.
    ShutdownJobs();
    {
        CListGuard guard(*this);
        KillTimer(timerAutoSave);
        KillTimer(timerKey);
        // A way out that did not pass through closing (the program told to quit) saves here;
        // changes that the data file cannot take then go to a recovery file.
        if (!m_bExitPrepared) {
            const EWriteOutcome outcome = SaveOnExit(EExitWay::closing);
            if (m_bModified &&
                (outcome == EWriteOutcome::failed || outcome == EWriteOutcome::protectedFile) &&
                WriteRecoveryFile())
                ShowRecoveryNote();
        }
        // The history refers to the records: it goes before them.
        m_pUndoManager->Clear();
        m_list.FreeAll();
        StoreWindowState();
    }
    CApplication* app = CApplication::Get();
    if (app && app->m_hMainWnd == m_hWnd) app->m_hMainWnd = nullptr;
}

void CLinksDlg::OnEndSession(bool ending) {
    if (!ending) return;
    m_bSessionEnding = true;
    ShutdownJobs();
    {
        CListGuard guard(*this);
        KillTimer(timerAutoSave);
        // The program cannot stay open to ask: changes the data file cannot take go to a
        // recovery file, and the next start says where.
        const EWriteOutcome outcome = SaveOnExit(EExitWay::sessionEnd);
        if (m_bModified &&
            (outcome == EWriteOutcome::failed || outcome == EWriteOutcome::protectedFile))
            WriteRecoveryFile();
        StoreWindowState();
    }
    m_bSessionEnding = false;
}

CLinksDlg::EWriteOutcome CLinksDlg::SaveOnExit(EExitWay way) {
    CExitSave exit;
    exit.way = way;
    exit.saveOnExit = m_bSaveOnExit;
    exit.moveSave = m_settings.m_bMoveSave != 0;
    exit.saveOnClose = m_settings.m_bSaveOnClose != 0;
    if (exit.SavesEditor(m_bEditorDirty)) SaveEditorLink(false);
    EWriteOutcome outcome = EWriteOutcome::nothingToWrite;
    if (exit.WantsDataFile(m_bModified))
        outcome = WriteCurrent(way == EExitWay::closing ? EWriteTrigger::closing
                                                        : EWriteTrigger::sessionEnd);
    if (exit.SavesSearchTerms()) SaveSearchTerms();
    return outcome;
}

void CLinksDlg::StoreWindowState() {
    m_placement.StorePlacement(m_hWnd);
    m_placement.StoreColumnWidths(m_listLinks, listSection);
}
