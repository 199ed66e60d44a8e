// CTopicListCtrl: the chooser's columns, texts and order.
#include "auxwnd/TopicListCtrl.h"

#include <algorithm>
#include <memory>

namespace {

const char* const numberCaption = "Tip #";
constexpr int headerMargin = 16;

}  // namespace

void CTopicListCtrl::InsertColumns() {
    InsertColumn(CTopicRecord::columnNone, "", LVCFMT_LEFT, 0);
    InsertColumn(CTopicRecord::columnNumber, numberCaption, LVCFMT_RIGHT, 0);
    InsertColumn(CTopicRecord::columnTopic, "Topic", LVCFMT_LEFT, 0);
}

void CTopicListCtrl::SizeColumns() {
    SetColumnWidth(CTopicRecord::columnNumber, LVSCW_AUTOSIZE);
    // The header's text is measured here: sized by the list, it comes out cut under Wine. The
    // margin is the header's own around its text.
    const int headerWidth = static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0,
                                                         reinterpret_cast<LPARAM>(numberCaption))) +
                            headerMargin;
    const int numberWidth = std::max(GetColumnWidth(CTopicRecord::columnNumber), headerWidth);
    SetColumnWidth(CTopicRecord::columnNumber, numberWidth);
    RECT client;
    GetClientRect(&client);
    // Room is left for the vertical scroll bar of a long list.
    SetColumnWidth(CTopicRecord::columnTopic,
                   client.right - client.left - numberWidth - ::GetSystemMetrics(SM_CXVSCROLL));
}

int CTopicListCtrl::InsertTopic(int index, int tipNumber, const std::string& topic) {
    auto record = std::make_unique<CTopicRecord>();
    record->m_nTip = tipNumber;
    record->m_strTopic = topic;
    return InsertRecord(index, record.release());
}

std::string CTopicListCtrl::GetItemText(const void* record, int column) const {
    const auto* topic = static_cast<const CTopicRecord*>(record);
    if (!topic) return std::string();
    if (column == CTopicRecord::columnNumber) return std::to_string(topic->m_nTip);
    if (column == CTopicRecord::columnTopic) return topic->m_strTopic;
    return std::string();
}

int CTopicListCtrl::Compare(const void* first, const void* second, int column,
                            bool reversed) const {
    return CompareTopicRecords(*static_cast<const CTopicRecord*>(first),
                               *static_cast<const CTopicRecord*>(second), column, reversed);
}
