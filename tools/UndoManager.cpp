// CUndoManager: recording changes, moving steps between the undo and the redo list.
#include "tools/UndoManager.h"

#include <new>
#include <utility>

#include "tools/DeleteAction.h"
#include "tools/ModifyAction.h"

namespace {

// Makes room for one more step ahead of a change, so that the change is never made without its
// step being kept. Grows geometrically, as push_back would.
void ReserveOneMore(std::vector<std::unique_ptr<CUndoAction>>& actions) {
    if (actions.size() < actions.capacity()) return;
    actions.reserve(actions.size() < 8 ? 8 : actions.size() * 2);
}

}  // namespace

CUndoManager::~CUndoManager() = default;

const CUndoAction* CUndoManager::Next(bool undo) const {
    const ActionList& actions = undo ? m_undo : m_redo;
    return actions.empty() ? nullptr : actions.back().get();
}

const char* CUndoManager::GetActionName(bool undo) const {
    const CUndoAction* action = Next(undo);
    return action ? action->GetName() : "";
}

std::string CUndoManager::GetMenuText(bool undo) const {
    const CUndoAction* action = Next(undo);
    std::string text = undo ? "&Undo" : "Re&do";
    if (action) text.append(" ").append(action->GetName());
    return text.append(undo ? "\tCtrl+Z" : "\tCtrl+Y");
}

std::string CUndoManager::GetPreviewAction(bool undo) const {
    return std::string(undo ? "Undo " : "Redo ") + GetActionName(undo);
}

std::string CUndoManager::GetPreviewEffect(bool undo, const CNumberFormatter& formatter) const {
    const CUndoAction* action = Next(undo);
    return action ? action->GetEffect(undo, formatter) : std::string();
}

std::size_t CUndoManager::GetPreviewCount(bool undo) const {
    const CUndoAction* action = Next(undo);
    return action ? action->GetPreviewCount() : 0;
}

const CLinkItem& CUndoManager::GetPreviewRecord(bool undo, std::size_t index) const {
    return Next(undo)->GetPreviewRecord(index);
}

std::vector<const CLinkItem*> CUndoManager::GetPreviewRecords(bool undo) const {
    std::vector<const CLinkItem*> records;
    const CUndoAction* action = Next(undo);
    if (!action) return records;
    records.reserve(action->GetPreviewCount());
    for (std::size_t i = 0; i < action->GetPreviewCount(); ++i)
        records.push_back(&action->GetPreviewRecord(i));
    return records;
}

CUndoResult CUndoManager::Replace(CLinkItem& record, std::string_view title, std::string_view link,
                                  std::string_view description, std::string_view category,
                                  const CDateTime& modified) {
    CUndoResult result;
    std::unique_ptr<CModifyAction> action;
    try {
        action = std::make_unique<CModifyAction>(record);
        ReserveOneMore(m_undo);
    } catch (const std::bad_alloc&) {
        action.reset();
    }
    CLinkList::Replace(record, title, link, description, category, modified);
    ++m_nRevision;
    // The redo steps were made for the record as it was; they would now overwrite this change.
    m_redo.clear();
    if (action)
        m_undo.push_back(std::move(action));
    else
        result.message = Report(m_bReportUndoFailure, messageAddUndoFailed);
    result.change = CUndoResult::modified;
    return result;
}

CUndoResult CUndoManager::DeleteRows(const std::vector<std::size_t>& rows) {
    CUndoResult result;
    bool recordable = true;
    try {
        ReserveOneMore(m_undo);
    } catch (const std::bad_alloc&) {
        recordable = false;
    }
    std::vector<CLinkList::ItemPtr> removed = m_list.DeleteRows(rows);
    if (removed.empty()) return result;
    ++m_nRevision;
    result.change = CUndoResult::removed;
    result.count = removed.size();
    m_redo.clear();
    try {
        if (!recordable) throw std::bad_alloc();
        m_undo.push_back(std::make_unique<CDeleteAction>(std::move(removed)));
    } catch (const std::bad_alloc&) {
        // The records are freed with `removed`; Modify steps may point at them.
        Clear();
        result.message = Report(m_bReportUndoFailure, messageAddUndoFailed);
    }
    return result;
}

CUndoResult CUndoManager::Undo(const CLinkItem* editorRecord) {
    return Step(m_undo, m_redo, true, editorRecord);
}

CUndoResult CUndoManager::Redo(const CLinkItem* editorRecord) {
    return Step(m_redo, m_undo, false, editorRecord);
}

CUndoResult CUndoManager::Step(ActionList& from, ActionList& to, bool undo,
                               const CLinkItem* editorRecord) {
    CUndoResult result;
    if (from.empty()) return result;
    try {
        ReserveOneMore(to);
    } catch (const std::bad_alloc&) {
        result.message = undo ? Report(m_bReportRedoFailure, messageAddRedoFailed)
                              : Report(m_bReportUndoFailure, messageAddUndoFailed);
        return result;
    }
    CUndoAction& action = *from.back();
    const bool done = undo ? action.Undo(m_list, editorRecord, result)
                           : action.Redo(m_list, editorRecord, result);
    if (!done) return result;
    ++m_nRevision;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return result;
}

void CUndoManager::Clear() {
    ++m_nRevision;
    m_undo.clear();
    m_redo.clear();
}

const char* CUndoManager::Report(bool& armed, const char* message) {
    if (!armed) return nullptr;
    armed = false;
    return message;
}
