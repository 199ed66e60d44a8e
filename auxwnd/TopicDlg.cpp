// CTopicDlg: the chooser's rows and the chosen tip.
#include "auxwnd/TopicDlg.h"

#include "res/resource.h"

CTopicDlg::CTopicDlg(const std::vector<std::string>& topics, HWND parent)
    : CDialog(IDD_TOPIC, parent), m_topics(topics) {}

BOOL CTopicDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.Attach(GetDlgItem(IDC_TOPIC_LIST));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list.InsertColumns();
    for (std::size_t i = 0; i < m_topics.size(); ++i)
        m_list.InsertTopic(static_cast<int>(i), static_cast<int>(i) + 1, m_topics[i]);
    m_list.SizeColumns();
    if (m_nSelected >= 0 && m_nSelected < m_list.GetItemCount()) {
        m_list.SetItemState(m_nSelected, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
        m_list.EnsureVisible(m_nSelected);
    }
    return TRUE;
}

bool CTopicDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_TOPIC_LIST) return CDialog::OnNotify(id, header, result);
    if (m_list.OnParentNotify(header, result)) return true;
    if (header->code != NM_DBLCLK) return false;
    OnOK();
    result = 0;
    return true;
}

void CTopicDlg::OnOK() {
    // The number on the row tells the tip: the rows may have been sorted.
    const CTopicRecord* chosen = m_list.GetTopic(m_list.GetNextItem(-1, LVNI_SELECTED));
    m_nSelected = chosen ? chosen->m_nTip - 1 : -1;
    m_list.DeleteAllItems();
    EndDialog(IDOK);
}

void CTopicDlg::OnCancel() {
    m_list.DeleteAllItems();
    EndDialog(IDCANCEL);
}
