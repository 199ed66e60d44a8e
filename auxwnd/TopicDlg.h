// CTopicDlg: Choose a Topic. Lists the tips by number and topic, sortable by either; OK (or a
// double-click) gives the index of the tip on the chosen row, whatever order the rows are in.
#pragma once

#include <string>
#include <vector>

#include "auxwnd/TopicListCtrl.h"
#include "framework/Dialog.h"

class CTopicDlg : public CDialog {
public:
    // `topics` (tip k's topic at index k) must outlive the window.
    CTopicDlg(const std::vector<std::string>& topics, HWND parent);

    // In: the tip to preselect. Out after OK: the chosen tip's index, or -1 when no row was.
    int m_nSelected = -1;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;

private:
    CTopicListCtrl m_list;
    const std::vector<std::string>& m_topics;
};
