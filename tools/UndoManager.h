// CUndoManager: the undo and redo history of the list of links, without a limit on its depth.
// Two changes are recorded: replacing a record by Save ("Modify") and deleting records
// ("Delete"). The manager makes these changes itself, so that a change and its record in the
// history never part; it also gives the system menu and the preview window their texts.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/NumberFormatter.h"
#include "store/LinkList.h"
#include "tools/UndoAction.h"
#include "tools/UndoResult.h"

class CUndoManager {
public:
    static constexpr const char* messageAddUndoFailed = "Could not add to the undo list.";
    static constexpr const char* messageAddRedoFailed = "Could not add to the redo list.";

    // Constructors
    explicit CUndoManager(CLinkList& list) : m_list(list) {}
    ~CUndoManager();
    CUndoManager(const CUndoManager&) = delete;
    CUndoManager& operator=(const CUndoManager&) = delete;

    // Attributes
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    std::size_t GetUndoCount() const { return m_undo.size(); }
    std::size_t GetRedoCount() const { return m_redo.size(); }
    // Changes whenever either list changes: a preview shown while the window waits for the user
    // checks it before it performs the step it showed, and before it shows more of its records.
    unsigned GetRevision() const { return m_nRevision; }
    // "Modify" or "Delete" for the step that Undo (undo = true) or Redo would perform; "" when
    // there is none.
    const char* GetActionName(bool undo) const;
    // The system-menu item: "&Undo Delete\tCtrl+Z", or "&Undo\tCtrl+Z" (to be grayed) when
    // there is nothing to undo; "Re&do ...\tCtrl+Y" likewise.
    std::string GetMenuText(bool undo) const;

    // What the preview window shows for the next step (nothing is there when the count is 0).
    // "Undo Delete", "Redo Modify", ...
    std::string GetPreviewAction(bool undo) const;
    // "Restores the following 3 veltrim links." and the like.
    std::string GetPreviewEffect(bool undo, const CNumberFormatter& formatter) const;
    std::size_t GetPreviewCount(bool undo) const;
    // For a Modify, the state the record will get; for a Delete, the records it brings back or
    // deletes, in their order. Valid until the history changes.
    const CLinkItem& GetPreviewRecord(bool undo, std::size_t index) const;
    // All of them, in their order.
    std::vector<const CLinkItem*> GetPreviewRecords(bool undo) const;

    // Operations
    // Save over a loaded record: overwrites its four texts, sets Last Modified and records a
    // Modify. Throws std::bad_alloc, with the record and the history unchanged, when the texts
    // cannot be copied. When only the recording fails the record is still replaced and the
    // result carries messageAddUndoFailed (once per run). The result's row is not filled in:
    // the caller knows it.
    CUndoResult Replace(CLinkItem& record, std::string_view title, std::string_view link,
                        std::string_view description, std::string_view category,
                        const CDateTime& modified);
    // Delete: takes the given rows out of the list (CLinkList::DeleteRows) and records them as
    // one Delete that owns the records. Throws std::bad_alloc with nothing changed. When the
    // recording fails the rows are deleted for good, the history is emptied (older steps could
    // refer to the freed records) and the result carries messageAddUndoFailed (once per run).
    CUndoResult DeleteRows(const std::vector<std::size_t>& rows);
    // Perform the newest step and move it to the other list. `editorRecord` is the record the
    // editor shows, or nullptr. When memory runs out nothing changes and the result says why.
    CUndoResult Undo(const CLinkItem* editorRecord);
    CUndoResult Redo(const CLinkItem* editorRecord);
    // Empties both lists and frees the deleted records they hold. Call it whenever the list of
    // links is cleared (a replacing load, New File): the steps refer to its records.
    void Clear();

private:
    using ActionList = std::vector<std::unique_ptr<CUndoAction>>;

    const CUndoAction* Next(bool undo) const;
    CUndoResult Step(ActionList& from, ActionList& to, bool undo, const CLinkItem* editorRecord);
    // The message while `armed`, which it disarms; nullptr afterwards.
    static const char* Report(bool& armed, const char* message);

    CLinkList& m_list;
    // Oldest first: the next step to undo (redo) is at the back.
    ActionList m_undo;
    ActionList m_redo;
    // Each failure to add to a list is reported once per run.
    bool m_bReportUndoFailure = true;
    bool m_bReportRedoFailure = true;
    unsigned m_nRevision = 0;
};
