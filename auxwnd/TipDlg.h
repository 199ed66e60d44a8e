// CTipDlg: Tip of the Day. Shows one tip and its topic at a time; First, Previous, Next, Last,
// the number list and the topic chooser move between them. Closing through the close box keeps
// the check box's choice (the window ends with IDOK); Esc leaves it (IDCANCEL). The caller sets
// m_nTip and m_bShowDayTip before the run and reads both afterwards.
#pragma once

#include <string>
#include <vector>

#include "auxwnd/TipPager.h"
#include "controls/ColorEdit.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

class CTipDlg : public CDialog {
public:
    explicit CTipDlg(HWND parent = nullptr);

    int m_bShowDayTip = 1;
    // The tip shown (from 0); an index outside the tips starts at the first.
    int m_nTip = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Shows the pager's tip and sets the buttons; false (the window closing) when the tip cannot
    // be read.
    bool ShowTip();
    void OnTopics();
    // Reads the topics of the tips not yet listed; false, with a message, when one is missing.
    bool LoadTopics();
    // Tells that the tips cannot be read and closes the window.
    void FailToRead();

    CStatic m_staticTopic;
    CComboBox m_comboNumber;
    CButton m_btnLast;
    CButton m_btnFirst;
    CStatic m_staticOf;
    CButton m_btnNext;
    CButton m_btnPrevious;
    CColorEdit m_editTip;
    int m_nTipCount = 0;
    CTipPager m_pager{0, 0};
    std::vector<std::string> m_topics;
};
