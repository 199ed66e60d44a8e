// CUndoPreviewDlg: shows the records that the next undo or redo step brings back, deletes or
// writes, and lets the user go ahead or cancel. Data in: the members below; result IDOK to go
// ahead.
#pragma once

#include <string>
#include <vector>

#include "controls/NumberFormatter.h"
#include "framework/Dialog.h"
#include "store/LinkItem.h"

class CUndoPreviewDlg : public CDialog {
public:
    CUndoPreviewDlg(HWND parent, const CNumberFormatter& formatter);

    // Data in
    bool m_bUndo = true;                    // Undo, or Redo
    std::string m_strActionName;            // "Modify" or "Delete"
    std::string m_strEffect;                // what the step does, in a sentence
    std::vector<const CLinkItem*> m_items;  // the records shown, in order

    const CNumberFormatter& GetFormatter() const { return m_formatter; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowItem();

    CNumberFormatter m_formatter;
    size_t m_nIndex = 0;
};
