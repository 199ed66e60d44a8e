// CImportDlg: the Import window. Imports a browser's bookmark file into the list of links, and
// finds bookmark files on a drive: the walk runs on the window's thread, one folder at a time,
// letting messages through between folders, so that Stop and Close work while it runs.
#pragma once

#include "controls/SortedListBox.h"
#include "framework/Dialog.h"
#include "import/ImportHost.h"

class CImportDlg : public CDialog {
public:
    CImportDlg(HWND parent, CImportHost& host);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnCancel() override;

private:
    void OnBrowse();
    void OnImport();
    void OnFind();
    void OnSelect();
    // Walks the drive in the drive box for files that match the pattern.
    void Find(const std::string& pattern, bool typos);
    void FindEnded();
    void EnableFinderControls(bool enable);
    void SetStatus(const std::string& text);
    // Dispatches the messages waiting; true when a stop was requested meanwhile.
    bool PumpAndTest();

    CImportHost& m_host;
    CSortedListBox m_listFound;
    bool m_bShowFolders = true;
    bool m_bStopRequested = false;
    bool m_bFinding = false;
    bool m_bClosing = false;
};
