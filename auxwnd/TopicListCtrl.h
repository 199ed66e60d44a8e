// CTopicListCtrl: the topic chooser's list. Each row owns a CTopicRecord; the columns are an
// empty zero-wide one, "Tip #" and "Topic", sorted by number and in natural order.
#pragma once

#include "auxwnd/TopicRecord.h"
#include "controls/SortListCtrl.h"

class CTopicListCtrl : public CSortListCtrl {
public:
    void InsertColumns();
    // Once the rows are in: "Tip #" as wide as its header and its numbers, "Topic" the rest.
    void SizeColumns();
    int InsertTopic(int index, int tipNumber, const std::string& topic);
    const CTopicRecord* GetTopic(int row) const {
        return static_cast<const CTopicRecord*>(GetRecord(row));
    }

protected:
    std::string GetItemText(const void* record, int column) const override;
    int Compare(const void* first, const void* second, int column, bool reversed) const override;
    void DeleteRecord(void* record) override { delete static_cast<CTopicRecord*>(record); }
};
