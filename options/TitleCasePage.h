// CTitleCasePage: the words that title case leaves as they are spelled in the list. The list
// replaces the engine's on OK or Apply when it was changed.
#pragma once

#include <string>
#include <vector>

#include "controls/SortedListBox.h"
#include "framework/Edit.h"
#include "options/ListEditPage.h"
#include "options/OptionsHost.h"

class CTitleCasePage : public CListEditPage {
public:
    static constexpr int kMaxException = 75;

    CTitleCasePage();
    void SetLinksDlg(COptionsHost* host) { m_pLinksDlg = host; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void Fill(const std::vector<std::string>& words);
    void OnAdd() override;
    void OnEdit() override;
    void OnDelete() override;

    CEdit m_editException;
    CSortedListBox m_listExceptions;
    COptionsHost* m_pLinksDlg = nullptr;
    bool m_bChanged = false;
};
