#include "program/LinksApp.h"

#include "app/RegistryProfile.h"
#include "app/Win32ShellLauncher.h"
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

    CRegistryProfile profile("Software\\" + GetRegistryKey() + "\\" + GetAppName());
    CWin32ShellLauncher launcher;
    CLinksDlg dlg(profile, fileSystem, clock, launcher);
    dlg.DoModal();
    m_hMainWnd = nullptr;
    return false;
}
