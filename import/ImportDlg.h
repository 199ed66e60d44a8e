// CImportDlg: the Import window. Imports a browser's bookmark file into the list of links, and
// finds bookmark files on a drive: the walk runs on the finder's own thread, and the window takes
// the files found on a timer, so that a folder slow to list never freezes it.
#pragma once

#include <memory>
#include <string>

#include "controls/SortedListBox.h"
#include "framework/Dialog.h"
#include "import/FileFinder.h"
#include "import/ImportHost.h"
#include "import/Win32FolderLister.h"

class CImportDlg : public CDialog {
public:
    // Posted by the finder's thread when its walk has ended.
    static constexpr UINT WM_FIND_ENDED = WM_APP + 1;
    enum { timerFinder = 1 };
    // How often the window takes the files found so far.
    static constexpr UINT finderTick = 100;

    CImportDlg(HWND parent, CImportHost& host);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCancel() override;
    void OnDestroy() override;

private:
    void OnBrowse();
    void OnImport();
    void OnFind();
    void OnSelect();
    // Starts the walk of the drive in the drive box for files that match the pattern.
    void Find(const std::string& pattern, bool typos);
    // Adds the files found since the last call and shows the folder being listed.
    void ShowProgress();
    void OnFindEnded();
    // Stops the walk and waits for the folder being listed; the window shows nothing of it.
    void AbandonFind();
    void FindEnded();
    void EnableFinderControls(bool enable);
    void SetStatus(const std::string& text);

    CImportHost& m_host;
    CSortedListBox m_listFound;
    bool m_bShowFolders = true;
    bool m_bFinding = false;
    bool m_bListFailed = false;
    std::size_t m_nFound = 0;
    DWORD m_dwFindStart = 0;
    std::string m_strShownFolder;
    // Declared before the finder, which lists through it until it is destroyed.
    CWin32FolderLister m_lister;
    std::unique_ptr<CFileFinder> m_pFinder;
};
