// CUndoPreviewDlg: shows the records that the next undo or redo step brings back, deletes or
// writes, and lets the user go ahead or cancel. Data in: the members below; result IDOK to go
// ahead.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "store/LinkItem.h"

class CUndoPreviewDlg : public CDialog {
public:
    // The record at an index of the step, or nullptr once the history has changed meanwhile.
    using RecordSource = std::function<const CLinkItem*(std::size_t index)>;

    explicit CUndoPreviewDlg(HWND parent);

    // Data in
    bool m_bUndo = true;       // Undo, or Redo
    std::string m_strAction;   // "Undo Delete", ...
    std::string m_strEffect;   // what the step does, in a sentence
    std::size_t m_nCount = 0;  // how many records the step shows
    RecordSource m_records;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowItem();

    std::size_t m_nIndex = 0;
};
