#include "app/LinksApp.h"

#include "mainwnd/LinksDlg.h"
#include "store/Clock.h"
#include "store/Win32FileSystem.h"
#include "store/Win32TextConv.h"

bool CLinksApp::InitInstance() {
    SetRegistryKey("Corvane Software");

    static CWin32TextConv textConv;
    SetTextConv(&textConv);
    CWin32FileSystem fileSystem;
    CSystemClock clock;

    CSettings settings;  // the defaults until the registry store is read
    CLinksDlg dlg(settings, fileSystem, clock);
    dlg.DoModal();
    m_hMainWnd = nullptr;
    return false;
}
