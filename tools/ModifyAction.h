// CModifyAction: the replacing of one record by Save. It keeps the record's other state (before
// the change while it can be undone, after it while it can be redone) and swaps it with the
// record's fields either way.
//
// It refers to the record by pointer. The record outlives the action: it is in the list, or a
// newer Delete of the undo list owns it and must be undone (bringing it back) before this step
// can be undone; the manager empties the whole history whenever the list is cleared. As a second
// guard, a step whose record is not in the list changes nothing.
#pragma once

#include "tools/UndoAction.h"

class CModifyAction : public CUndoAction {
public:
    // Constructors
    // Remembers the record and copies its fields. Throws std::bad_alloc.
    explicit CModifyAction(CLinkItem& record) : m_pRecord(&record), m_snapshot(record) {}

    // Attributes
    const char* GetName() const override { return "Modify"; }
    std::string GetEffect(bool undo, const CNumberFormatter& formatter) const override;
    std::size_t GetPreviewCount() const override { return 1; }
    const CLinkItem& GetPreviewRecord(std::size_t) const override { return m_snapshot; }

    // Operations
    bool Undo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) override {
        return Swap(list, editorRecord, result);
    }
    bool Redo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) override {
        return Swap(list, editorRecord, result);
    }

private:
    bool Swap(const CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result);

    CLinkItem* m_pRecord;
    CLinkItem m_snapshot;
};
