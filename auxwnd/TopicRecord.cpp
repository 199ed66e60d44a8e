// CTopicRecord: the chooser's comparison.
#include "auxwnd/TopicRecord.h"

#include "store/CompareNatural.h"

int CompareTopicRecords(const CTopicRecord& first, const CTopicRecord& second, int column,
                        bool reversed) {
    int result = 0;
    if (column == CTopicRecord::columnNumber)
        result = first.m_nTip < second.m_nTip ? -1 : first.m_nTip > second.m_nTip ? 1 : 0;
    else if (column == CTopicRecord::columnTopic)
        result = CompareNatural(first.m_strTopic, second.m_strTopic);
    return reversed ? -result : result;
}
