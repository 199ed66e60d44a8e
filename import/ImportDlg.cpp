// CImportDlg: the import of a bookmark file and the file finder.
#include "import/ImportDlg.h"

#include <commdlg.h>

#include <system_error>
#include <utility>
#include <vector>

#include "framework/MessageBox.h"
#include "import/FileNamePattern.h"
#include "import/FinderTexts.h"
#include "import/ImportTexts.h"
#include "res/resource.h"
#include "store/TextTrim.h"

namespace {

constexpr int kFileNameLimit = 259;

UINT IconStyle(EImportIcon icon) {
    switch (icon) {
        case EImportIcon::stop:
            return MB_ICONSTOP;
        case EImportIcon::exclamation:
            return MB_ICONEXCLAMATION;
        case EImportIcon::information:
            return MB_ICONINFORMATION;
        case EImportIcon::none:
        default:
            return 0;
    }
}

}  // namespace

CImportDlg::CImportDlg(HWND parent, CImportHost& host)
    : CDialog(IDD_IMPORT, parent), m_host(host) {}

BOOL CImportDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listFound.Attach(GetDlgItem(IDC_FOUND_FILES));
    ::SendMessageA(GetDlgItem(IDC_BOOKMARK_FILE), EM_SETLIMITTEXT, kFileNameLimit, 0);
    ::SendMessageA(GetDlgItem(IDC_PATTERN), EM_SETLIMITTEXT, CFileNamePattern::maxLength, 0);
    ::SetDlgItemTextA(m_hWnd, IDC_PATTERN, CFileNamePattern::defaultPattern);
    // The drives of the system, the first fixed disk chosen.
    HWND drives = GetDlgItem(IDC_DRIVE);
    const DWORD mask = ::GetLogicalDrives();
    std::string fixed;
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const std::string drive = {static_cast<char>('A' + i), ':'};
        ::SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
        if (fixed.empty() && ::GetDriveTypeA((drive + "\\").c_str()) == DRIVE_FIXED) fixed = drive;
    }
    if (!fixed.empty())
        ::SendMessageA(drives, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(fixed.c_str()));
    ::CheckDlgButton(m_hWnd, IDC_SHOW_FOLDERS, BST_CHECKED);
    return TRUE;
}

bool CImportDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_FOUND_FILES) {
        if (code == LBN_SELCHANGE) ::EnableWindow(GetDlgItem(IDC_SELECT_FILE), TRUE);
        if (code == LBN_DBLCLK) OnSelect();
        return true;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_BROWSE:
            OnBrowse();
            return true;
        case IDC_IMPORT:
            OnImport();
            return true;
        case IDC_FIND:
            OnFind();
            return true;
        case IDC_SELECT_FILE:
            OnSelect();
            return true;
        case IDC_SHOW_FOLDERS:
            m_bShowFolders = ::IsDlgButtonChecked(m_hWnd, IDC_SHOW_FOLDERS) == BST_CHECKED;
            if (!m_bShowFolders && m_bFinding) SetStatus(StatusSearching());
            // Shown again from the next tick on.
            m_strShownFolder.clear();
            return true;
        default:
            return CDialog::OnCommand(id, code, control);
    }
}

void CImportDlg::OnBrowse() {
    char path[MAX_PATH] = {};
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = m_hWnd;
    open.lpstrFilter = "HTML Files (*.htm; *.html)\0*.htm;*.html\0All Files (*.*)\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.lpstrDefExt = "htm";
    open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (::GetOpenFileNameA(&open)) ::SetDlgItemTextA(m_hWnd, IDC_BOOKMARK_FILE, path);
}

void CImportDlg::OnImport() {
    const std::string typed = CWindow(GetDlgItem(IDC_BOOKMARK_FILE)).GetWindowText();
    const CImportOutcome outcome =
        m_host.ImportBookmarks(typed, [this](const std::string& question) {
            return AppMessageBox(m_hWnd, question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
                   IDYES;
        });
    const CImportMessage message =
        ImportMessage(outcome, TrimText(typed), m_host.GetNumberFormatter());
    if (!message.text.empty()) AppMessageBox(m_hWnd, message.text, MB_OK | IconStyle(message.icon));
}

void CImportDlg::OnSelect() {
    const int selected = m_listFound.GetCurSel();
    if (selected < 0) {
        AppMessageBox(m_hWnd, MessageSelectFile(), MB_OK);
        return;
    }
    ::SetDlgItemTextA(m_hWnd, IDC_BOOKMARK_FILE, m_listFound.GetText(selected).c_str());
}

void CImportDlg::EnableFinderControls(bool enable) {
    for (const int id :
         {IDC_BOOKMARK_FILE, IDC_BROWSE, IDC_DRIVE, IDC_PATTERN, IDC_FIND_TYPOS, IDC_IMPORT})
        ::EnableWindow(GetDlgItem(id), enable);
}

void CImportDlg::SetStatus(const std::string& text) {
    ::SetDlgItemTextA(m_hWnd, IDC_FIND_STATUS, text.c_str());
}

void CImportDlg::OnFind() {
    if (m_bFinding) {
        // Stop: the walk ends after the folder it is in, and its end message shows the summary.
        if (m_pFinder) m_pFinder->Stop();
        EnableFinderControls(true);
        return;
    }
    const bool typos = ::IsDlgButtonChecked(m_hWnd, IDC_FIND_TYPOS) == BST_CHECKED;
    Find(CWindow(GetDlgItem(IDC_PATTERN)).GetWindowText(), typos);
}

void CImportDlg::FindEnded() {
    m_bFinding = false;
    ::SetDlgItemTextA(m_hWnd, IDC_FIND, kFindCaption);
    EnableFinderControls(true);
}

void CImportDlg::Find(const std::string& typedPattern, bool typos) {
    CFileNamePattern pattern(typedPattern, typos);
    if (!pattern.IsValidLength()) {
        AppMessageBox(m_hWnd, MessagePatternLength(), MB_OK);
        return;
    }
    EnableFinderControls(false);
    m_bFinding = true;
    ::SetDlgItemTextA(m_hWnd, IDC_FIND, kStopCaption);
    m_listFound.ResetContent();
    m_nFound = 0;
    m_bListFailed = false;
    m_bShowFolders = ::IsDlgButtonChecked(m_hWnd, IDC_SHOW_FOLDERS) == BST_CHECKED;
    std::string root = CWindow(GetDlgItem(IDC_DRIVE)).GetWindowText();
    // The first folder shows at once, as the walker names it, rather than at the first tick.
    m_strShownFolder = root.empty() || root.back() != '\\' ? root + '\\' : root;
    SetStatus(m_bShowFolders ? m_strShownFolder : StatusSearching());
    ::SetCursor(::LoadCursor(nullptr, IDC_APPSTARTING));

    // The finder's thread knows the window only by its handle, and only posts to it: the window
    // may be waiting for that thread (Close) when the walk ends.
    HWND window = m_hWnd;
    m_pFinder =
        std::make_unique<CFileFinder>(m_lister, std::move(root), std::move(pattern),
                                      [window] { ::PostMessageA(window, WM_FIND_ENDED, 0, 0); });
    m_dwFindStart = ::GetTickCount();
    try {
        m_pFinder->Start();
    } catch (const std::system_error&) {
        m_pFinder.reset();
        FindEnded();
        SetStatus(StatusOutOfMemory());
        return;
    }
    ::SetTimer(m_hWnd, timerFinder, finderTick, nullptr);
}

void CImportDlg::ShowProgress() {
    if (!m_pFinder) return;
    // One batch per tick: the finder's thread never sends the window a message per file.
    const std::vector<std::string> found = m_pFinder->TakeFound();
    for (const std::string& path : found) {
        if (m_bListFailed) break;
        if (m_listFound.AddString(path.c_str()) < 0) {
            // The walk has no use going on; its end shows why it ended.
            m_bListFailed = true;
            m_pFinder->Stop();
            break;
        }
        ++m_nFound;
    }
    if (!m_bShowFolders || m_bListFailed) return;
    const std::string folder = m_pFinder->GetFolder();
    if (!folder.empty() && folder != m_strShownFolder) {
        m_strShownFolder = folder;
        SetStatus(folder);
    }
}

void CImportDlg::OnTimer(UINT_PTR id) {
    if (id != timerFinder) return;
    ShowProgress();
    // Should the end message have been lost (a full message queue refuses posts), the end is
    // seen here all the same.
    if (m_pFinder && m_pFinder->GetEnd() != CFileFinder::EEnd::walking) OnFindEnded();
}

void CImportDlg::OnFindEnded() {
    // A message from a walk that Close abandoned, or an end already seen by the timer.
    if (!m_pFinder) return;
    ::KillTimer(m_hWnd, timerFinder);
    // The thread has only its return left to make.
    m_pFinder->Join();
    ShowProgress();
    const CFileFinder::EEnd end = m_pFinder->GetEnd();
    m_pFinder.reset();
    FindEnded();
    if (m_bListFailed)
        SetStatus(StatusListFailed());
    else if (end == CFileFinder::EEnd::outOfMemory)
        SetStatus(StatusOutOfMemory());
    else
        SetStatus(FinderSummary(m_nFound, ::GetTickCount() - m_dwFindStart,
                                end == CFileFinder::EEnd::stopped, m_host.GetNumberFormatter()));
}

void CImportDlg::AbandonFind() {
    if (!m_pFinder) return;
    ::KillTimer(m_hWnd, timerFinder);
    // The finder's destructor stops the walk and waits for the folder being listed.
    m_pFinder.reset();
    m_bFinding = false;
}

bool CImportDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_FIND_ENDED) {
        OnFindEnded();
        result = 0;
        return true;
    }
    // The arrow with the small hourglass over the window while the walk runs behind it.
    if (msg == WM_SETCURSOR && m_bFinding && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursor(nullptr, IDC_APPSTARTING));
        result = TRUE;
        return true;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}

void CImportDlg::OnCancel() {
    // Closing ends the walk: the window goes without a summary.
    AbandonFind();
    CDialog::OnCancel();
}

void CImportDlg::OnDestroy() {
    AbandonFind();
}
