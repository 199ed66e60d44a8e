// CModifyAction: swapping a record with its remembered state.
#include "tools/ModifyAction.h"

#include <utility>

std::string CModifyAction::GetEffect(bool, const CNumberFormatter&) const {
    return "Replaces an existing veltrim link with the following data.";
}

bool CModifyAction::Swap(const CLinkList& list, const CLinkItem* editorRecord,
                         CUndoResult& result) {
    const long long row = list.FindRow(m_pRecord);
    if (row < 0) return true;
    // All six fields, Added included; moving the texts allocates nothing, so this cannot fail.
    std::swap(*m_pRecord, m_snapshot);
    result.change = CUndoResult::modified;
    result.row = static_cast<std::size_t>(row);
    if (m_pRecord == editorRecord) result.showRecord = m_pRecord;
    return true;
}
