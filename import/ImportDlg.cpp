// CImportDlg: the import of a bookmark file and the file finder.
#include "import/ImportDlg.h"

#include <commdlg.h>

#include "framework/BusyCursor.h"
#include "framework/MessageBox.h"
#include "import/FileNamePattern.h"
#include "import/FinderTexts.h"
#include "import/FolderWalker.h"
#include "import/ImportTexts.h"
#include "import/Win32FolderLister.h"
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

bool CImportDlg::PumpAndTest() {
    PumpMessages();
    return m_bStopRequested || IsEnded();
}

void CImportDlg::OnFind() {
    if (m_bFinding) {
        // Stop: the walk ends after the folder it is in.
        m_bStopRequested = true;
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
    const CBusyCursor busy;
    m_bFinding = true;
    ::SetDlgItemTextA(m_hWnd, IDC_FIND, kStopCaption);
    m_listFound.ResetContent();
    m_bStopRequested = false;
    m_bShowFolders = ::IsDlgButtonChecked(m_hWnd, IDC_SHOW_FOLDERS) == BST_CHECKED;
    if (!m_bShowFolders) SetStatus(StatusSearching());

    CWin32FolderLister lister;
    CFolderWalker walker(lister, CWindow(GetDlgItem(IDC_DRIVE)).GetWindowText());
    std::size_t found = 0;
    bool listFailed = false;
    const DWORD start = ::GetTickCount();
    do {
        busy.Show();
        if (m_bShowFolders) SetStatus(walker.GetPath());
        const CFolderWalker::EVisit visit =
            walker.VisitCurrent([&](const std::string& folder, const std::string& name) {
                if (!pattern.Matches(name)) return true;
                if (m_listFound.AddString((folder + name).c_str()) < 0) {
                    listFailed = true;
                    return false;
                }
                ++found;
                return true;
            });
        if (visit == CFolderWalker::EVisit::outOfMemory || listFailed) {
            FindEnded();
            SetStatus(listFailed ? StatusListFailed() : StatusOutOfMemory());
            return;
        }
    } while (!PumpAndTest() && walker.Next());
    // Closing ended the walk: the window goes without a summary.
    if (m_bClosing) return;
    FindEnded();
    SetStatus(FinderSummary(found, ::GetTickCount() - start, m_bStopRequested,
                            m_host.GetNumberFormatter()));
}

void CImportDlg::OnCancel() {
    m_bStopRequested = true;
    m_bClosing = true;
    CDialog::OnCancel();
}
