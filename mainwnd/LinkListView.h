// CLinkListView: the list of links, an owner-data report list whose selection the model keeps.
// The list view asks the model for each row's selected state when it draws the row; the clicks
// and keys that change the selection are handled here, on the model, because the list view's
// own handling walks every row (slow on a large list) and would not tell the model of every
// change. The focused row and the selection mark stay the list view's. The parent still gets
// the notifications it would get from a plain list: NM_CLICK, NM_RCLICK and LVN_KEYDOWN.
#pragma once

#include "controls/ListSelection.h"
#include "framework/ListView.h"
#include "framework/SubclassWindow.h"
#include "search/TitleFind.h"

class CLinkList;

class CLinkListView : public CListView, private CSubclassWindow {
public:
    // Attaches to the dialog's list control; `list` must outlive the control.
    bool Attach(HWND hWnd, CLinkList& list);

    // The list view's focus and selection mark.
    CListCursor GetCursor() const;
    // Moves the focus and the mark as given, scrolls the focused row into view when asked, and
    // repaints the rows so that they show the model's selection.
    void ShowCursor(const CListCursor& cursor, bool scroll);

protected:
    bool OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    long long HitTest(LPARAM point) const;
    void OnButtonDown(LPARAM point, bool right, bool ctrl, bool shift);
    bool OnKeyDown(UINT key);
    void OnChar(char ch);
    void NotifyParent(NMHDR& header) const;
    void NotifyKeyDown(UINT key) const;

    CLinkList* m_pList = nullptr;
    CTypeAhead m_typeAhead;
};
