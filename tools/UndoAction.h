// CUndoAction: one step of the undo history, which can be undone and redone on the list and
// tells the preview what it would do.
#pragma once

#include <cstddef>
#include <string>

#include "controls/NumberFormatter.h"
#include "store/LinkList.h"
#include "tools/UndoResult.h"

class CUndoAction {
public:
    virtual ~CUndoAction() = default;

    // Attributes
    // The name in the menu and the preview: "Modify" or "Delete".
    virtual const char* GetName() const = 0;
    // The preview's line that says what the step does, in the given direction.
    virtual std::string GetEffect(bool undo, const CNumberFormatter& formatter) const = 0;
    // The records the preview shows: those the step brings back or deletes, or the state it
    // writes into a record.
    virtual std::size_t GetPreviewCount() const = 0;
    virtual const CLinkItem& GetPreviewRecord(std::size_t index) const = 0;

    // Operations
    // Perform the step on the list and describe it in `result`. They return false, with the
    // list unchanged and `result.message` set, when memory runs out.
    virtual bool Undo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) = 0;
    virtual bool Redo(CLinkList& list, const CLinkItem* editorRecord, CUndoResult& result) = 0;
};
