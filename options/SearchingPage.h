// CSearchingPage: the fields the incremental search looks in, where Previous and Next start,
// typos and their separation, interruptible searching, and clearing the search history at once.
// Data in and out: the members below.
#pragma once

#include "framework/PropertySheet.h"
#include "options/OptionsHost.h"

class CSearchingPage : public CPropertyPageRestore {
public:
    // The slider's ends: typos as close together as possible, and furthest apart.
    static constexpr int kLowSeparation = 1;
    static constexpr int kHighSeparation = 9;

    CSearchingPage();
    void SetLinksDlg(COptionsHost* host) { m_pLinksDlg = host; }

    // Data in and out
    int m_bSearchCategory = 0;
    int m_bSearchLink = 0;
    int m_bPositionOnLast = 0;
    int m_bInterruptible = 0;
    int m_bSearchTitle = 0;
    int m_bAllowTypos = 0;
    int m_bSearchDescription = 0;
    int m_nSeparation = 2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void EnableTypoControls();

    COptionsHost* m_pLinksDlg = nullptr;
};
