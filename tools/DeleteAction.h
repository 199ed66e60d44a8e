// CDeleteAction: the deleting of records from the list. While the step can be undone the
// records are out of the list and the action owns them; Undo hands them back to the list (at its
// end, in their order) and keeps only their addresses, which Redo uses to take exactly those
// records out again wherever they are by then.
#pragma once

#include <vector>

#include "tools/UndoAction.h"

class CDeleteAction : public CUndoAction {
public:
    static constexpr const char* messageRestoreFailed =
        "Could not restore all of the deleted links.";
    static constexpr const char* messageRedeleteFailed = "Could not re-delete the links.";

    // Constructors
    // Takes the records that were deleted, in list order.
    explicit CDeleteAction(std::vector<CLinkList::ItemPtr> records) : m_owned(std::move(records)) {}

    // Attributes
    const char* GetName() const override { return "Delete"; }
    std::string GetEffect(bool undo, const CNumberFormatter& formatter) const override;
    std::size_t GetPreviewCount() const override { return m_owned.size() + m_inList.size(); }
    const CLinkItem& GetPreviewRecord(std::size_t index) const override {
        return m_owned.empty() ? *m_inList[index] : *m_owned[index];
    }
    // True while the records are out of the list (the step can be undone).
    bool OwnsRecords() const { return m_inList.empty(); }

    // Operations
    bool Undo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) override;
    bool Redo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) override;

private:
    // Exactly one of the two holds the records (both are empty for an empty step), so the
    // history costs one pointer per deleted record beside the records themselves.
    std::vector<CLinkList::ItemPtr> m_owned;
    std::vector<const CLinkItem*> m_inList;
};
