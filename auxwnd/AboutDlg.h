// CAboutDlg: the About box. The program's name and version, the maker's notice, the support
// address with a button that copies it, and the web page as a link opened through the shell.
#pragma once

#include "controls/ColorEdit.h"
#include "controls/StaticLink.h"
#include "framework/Dialog.h"

class CShellLauncher;

class CAboutDlg : public CDialog {
public:
    CAboutDlg(CShellLauncher& launcher, HWND parent);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void OnCopyEmail();

    CStaticLink m_link;
    CColorEdit m_editEmail;
};
