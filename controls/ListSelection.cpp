// CListSelection: the selection rules of the mouse and the keyboard.
#include "controls/ListSelection.h"

#include <algorithm>
#include <cstddef>

#include "store/LinkList.h"

bool CListSelection::IsRow(long long row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_list.GetCount();
}

void CListSelection::SelectOnly(long long row) {
    if (!IsRow(row)) return;
    m_list.SelectAll(false);
    m_list.SetSelected(static_cast<std::size_t>(row), true);
    m_cursor.focus = row;
    m_cursor.mark = row;
}

void CListSelection::SelectFromMark(long long row, bool add) {
    const long long anchor = IsRow(m_cursor.mark) ? m_cursor.mark : row;
    if (!add) m_list.SelectAll(false);
    m_list.SetSelected(static_cast<std::size_t>(std::min(anchor, row)),
                       static_cast<std::size_t>(std::max(anchor, row)), true);
    m_cursor.focus = row;
    m_cursor.mark = anchor;
}

void CListSelection::Toggle(long long row) {
    const auto index = static_cast<std::size_t>(row);
    m_list.SetSelected(index, !m_list.IsSelected(index));
    m_cursor.focus = row;
    m_cursor.mark = row;
}

void CListSelection::Click(long long row, bool ctrl, bool shift) {
    if (!IsRow(row)) {
        // Beside the rows a plain click clears the selection; the focus stays where it was.
        if (!ctrl && !shift) m_list.SelectAll(false);
        return;
    }
    if (shift)
        SelectFromMark(row, ctrl);
    else if (ctrl)
        Toggle(row);
    else
        SelectOnly(row);
}

void CListSelection::RightClick(long long row) {
    if (!IsRow(row)) return;
    if (m_list.IsSelected(static_cast<std::size_t>(row)))
        m_cursor.focus = row;
    else
        SelectOnly(row);
}

void CListSelection::Move(EMove move, bool ctrl, bool shift, long long pageRows) {
    const auto count = static_cast<long long>(m_list.GetCount());
    if (count == 0) return;
    const long long focus = IsRow(m_cursor.focus) ? m_cursor.focus : -1;
    const long long page = std::max(pageRows - 1, 1LL);
    long long target = 0;
    switch (move) {
        case EMove::up:
            target = focus - 1;
            break;
        case EMove::down:
            target = focus + 1;
            break;
        case EMove::pageUp:
            target = focus - page;
            break;
        case EMove::pageDown:
            target = focus < 0 ? page : focus + page;
            break;
        case EMove::home:
            target = 0;
            break;
        case EMove::end:
            target = count - 1;
            break;
    }
    target = std::clamp(target, 0LL, count - 1);
    if (shift)
        SelectFromMark(target, ctrl);
    else if (ctrl)
        m_cursor.focus = target;
    else
        SelectOnly(target);
}

void CListSelection::Space(bool ctrl) {
    if (!IsRow(m_cursor.focus)) return;
    if (ctrl)
        Toggle(m_cursor.focus);
    else
        SelectOnly(m_cursor.focus);
}
