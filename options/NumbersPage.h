// CNumbersPage: whether counts carry a thousands separator, and which character. OK and Apply
// change the main window's format at once. Data in and out: m_bUseSep and m_chSep.
#pragma once

#include <string>

#include "controls/NumberFormatter.h"
#include "framework/PropertySheet.h"
#include "options/OptionsHost.h"

class CNumbersPage : public CPropertyPageRestore {
public:
    CNumbersPage();
    void SetLinksDlg(COptionsHost* host) { m_pLinksDlg = host; }

    // Data in and out
    std::string m_strOther;
    int m_bUseSep = 1;
    char m_chSep = ',';

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    ESeparatorChoice CheckedChoice() const;
    void EnableChoices();

    COptionsHost* m_pLinksDlg = nullptr;
};
