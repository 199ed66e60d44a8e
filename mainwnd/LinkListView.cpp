// CLinkListView: mouse and keyboard selection on the model, and the notifications a plain list
// would send.
#include "mainwnd/LinkListView.h"

#include <algorithm>
#include <iterator>

#include "store/LinkList.h"

namespace {

bool KeyDown(int key) {
    return ::GetKeyState(key) < 0;
}

}  // namespace

bool CLinkListView::Attach(HWND hWnd, CLinkList& list) {
    m_pList = &list;
    CListView::Attach(hWnd);
    // The model keeps which rows are selected; the list asks it when it draws a row.
    SetCallbackMask(LVIS_SELECTED);
    return Subclass(hWnd);
}

CListCursor CLinkListView::GetCursor() const {
    CListCursor cursor;
    cursor.focus = GetNextItem(-1, LVNI_FOCUSED);
    cursor.mark = GetSelectionMark();
    return cursor;
}

void CLinkListView::ShowCursor(const CListCursor& cursor, bool scroll) {
    const int oldFocus = GetNextItem(-1, LVNI_FOCUSED);
    const int focus = static_cast<int>(cursor.focus);
    if (focus >= 0 && focus != oldFocus)
        SetItemState(focus, LVIS_FOCUSED, LVIS_FOCUSED);
    else if (focus < 0 && oldFocus >= 0)
        SetItemState(oldFocus, 0, LVIS_FOCUSED);
    SetSelectionMark(static_cast<int>(cursor.mark));
    if (scroll && focus >= 0) EnsureVisible(focus);
    Invalidate(false);
}

long long CLinkListView::HitTest(LPARAM point) const {
    LVHITTESTINFO hit = {};
    hit.pt.x = static_cast<short>(LOWORD(point));
    hit.pt.y = static_cast<short>(HIWORD(point));
    const int row =
        static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return row >= 0 && (hit.flags & LVHT_ONITEM) ? row : -1;
}

void CLinkListView::NotifyParent(NMHDR& header) const {
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, header.idFrom,
                   reinterpret_cast<LPARAM>(&header));
}

void CLinkListView::NotifyKeyDown(UINT key) const {
    NMLVKEYDOWN notice = {};
    notice.hdr.code = LVN_KEYDOWN;
    notice.wVKey = static_cast<WORD>(key);
    NotifyParent(notice.hdr);
}

void CLinkListView::OnButtonDown(LPARAM point, bool right, bool ctrl, bool shift) {
    if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
    const long long row = HitTest(point);
    CListSelection selection(*m_pList, GetCursor());
    if (right)
        selection.RightClick(row);
    else
        selection.Click(row, ctrl, shift);
    ShowCursor(selection.GetCursor(), row >= 0);
    NMITEMACTIVATE notice = {};
    notice.hdr.code = static_cast<UINT>(right ? NM_RCLICK : NM_CLICK);
    notice.iItem = static_cast<int>(row);
    notice.ptAction.x = static_cast<short>(LOWORD(point));
    notice.ptAction.y = static_cast<short>(HIWORD(point));
    NotifyParent(notice.hdr);
}

bool CLinkListView::OnKeyDown(UINT key) {
    using EMove = CListSelection::EMove;
    static const struct {
        UINT key;
        EMove move;
    } moves[] = {{VK_UP, EMove::up},         {VK_DOWN, EMove::down}, {VK_PRIOR, EMove::pageUp},
                 {VK_NEXT, EMove::pageDown}, {VK_HOME, EMove::home}, {VK_END, EMove::end}};
    if (key == VK_LEFT || key == VK_RIGHT) {
        // A report list scrolls sideways on these keys; it has no column of rows to move to.
        NotifyKeyDown(key);
        SendMessage(WM_HSCROLL, key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT);
        return true;
    }
    // Within type-ahead a space is part of the text; its character comes next.
    if (key == VK_SPACE && m_typeAhead.IsTyping(::GetTickCount())) return true;
    const auto* move = std::find_if(std::begin(moves), std::end(moves),
                                    [key](const auto& entry) { return entry.key == key; });
    if (key != VK_SPACE && move == std::end(moves)) return false;
    NotifyKeyDown(key);
    CListSelection selection(*m_pList, GetCursor());
    if (key == VK_SPACE)
        selection.Space(KeyDown(VK_CONTROL));
    else
        selection.Move(move->move, KeyDown(VK_CONTROL), KeyDown(VK_SHIFT),
                       static_cast<long long>(SendMessage(LVM_GETCOUNTPERPAGE)));
    ShowCursor(selection.GetCursor(), true);
    return true;
}

void CLinkListView::OnChar(char ch) {
    const CListCursor cursor = GetCursor();
    const long long row = m_typeAhead.Type(*m_pList, ch, ::GetTickCount(), cursor.focus);
    if (row < 0) return;
    CListSelection selection(*m_pList, cursor);
    selection.SelectOnly(row);
    ShowCursor(selection.GetCursor(), true);
}

bool CLinkListView::OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!m_pList) return false;
    result = 0;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            OnButtonDown(lParam, msg == WM_RBUTTONDOWN, (wParam & MK_CONTROL) != 0,
                         (wParam & MK_SHIFT) != 0);
            return true;
        case WM_KEYDOWN:
            return OnKeyDown(static_cast<UINT>(wParam));
        case WM_CHAR:
            // Printable characters look for a Title; a space only while type-ahead is under way
            // (otherwise it was handled as a key).
            if (wParam == ' ' && !m_typeAhead.IsTyping(::GetTickCount())) return true;
            if (wParam < ' ' || KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
            OnChar(static_cast<char>(wParam));
            return true;
        default:
            return false;
    }
}
