// CDeleteAction: bringing deleted records back into the list and taking them out again.
#include "tools/DeleteAction.h"

#include <new>
#include <unordered_set>
#include <utility>

std::string CDeleteAction::GetEffect(bool undo, const CNumberFormatter& formatter) const {
    const char* format = undo ? "Restores the following %s veltrim link%s."
                              : "Deletes the following %s veltrim link%s.";
    return FormatCount(format, static_cast<long long>(GetPreviewCount()), formatter);
}

bool CDeleteAction::Undo(CLinkList& list, const CLinkItem*, CUndoResult& result) {
    std::vector<const CLinkItem*> addresses;
    try {
        addresses.reserve(m_owned.size());
    } catch (const std::bad_alloc&) {
        result.message = messageRestoreFailed;
        return false;
    }
    for (const CLinkList::ItemPtr& item : m_owned) addresses.push_back(item.get());

    const std::size_t firstRow = list.GetCount();
    // All or nothing: on failure the action still owns every record and stays undoable.
    if (!list.Append(m_owned)) {
        result.message = messageRestoreFailed;
        return false;
    }
    std::vector<CLinkList::ItemPtr>().swap(m_owned);
    m_inList = std::move(addresses);
    result.change = CUndoResult::appended;
    result.row = firstRow;
    result.count = m_inList.size();
    return true;
}

bool CDeleteAction::Redo(CLinkList& list, const CLinkItem*, CUndoResult& result) {
    std::vector<std::size_t> rows;
    std::vector<CLinkList::ItemPtr> removed;
    try {
        const std::unordered_set<const CLinkItem*> doomed(m_inList.begin(), m_inList.end());
        rows.reserve(m_inList.size());
        for (std::size_t row = 0; row < list.GetCount(); ++row)
            if (doomed.count(list.GetAt(row)) != 0) rows.push_back(row);
        // Allocates before it changes the list.
        removed = list.DeleteRows(rows);
    } catch (const std::bad_alloc&) {
        result.message = messageRedeleteFailed;
        return false;
    }
    m_owned = std::move(removed);
    std::vector<const CLinkItem*>().swap(m_inList);
    result.change = CUndoResult::removed;
    result.count = m_owned.size();
    return true;
}
