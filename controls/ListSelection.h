// CListSelection: what the mouse and the keyboard do to the selection of a list with multiple
// selection, done on the model's rows. Beside the rows' selected states it moves the focused row
// and the selection mark (the row a Shift range starts from), which the caller shows.
//
// Click selects one row; Ctrl+click toggles one; Shift+click selects the range from the mark;
// Ctrl+Shift+click adds that range. The arrow keys, Page Up and Down, Home and End select the
// row they move to (with Shift: the range from the mark; with Ctrl: they move only the focus).
// Space selects the focused row alone, Ctrl+Space toggles it. A right click selects an
// unselected row alone and leaves a selection that holds the row.
#pragma once

class CLinkList;

struct CListCursor {
    long long focus = -1;  // the focused row, -1 none
    long long mark = -1;   // the selection mark, -1 none
};

class CListSelection {
public:
    enum class EMove { up, down, pageUp, pageDown, home, end };

    // Constructors
    CListSelection(CLinkList& list, const CListCursor& cursor) : m_list(list), m_cursor(cursor) {}

    // Attributes
    const CListCursor& GetCursor() const { return m_cursor; }

    // Operations
    // `row` -1 is a click beside the rows.
    void Click(long long row, bool ctrl, bool shift);
    void RightClick(long long row);
    // `pageRows` is how many rows the list shows at once.
    void Move(EMove move, bool ctrl, bool shift, long long pageRows);
    void Space(bool ctrl);
    // Selects `row` alone and makes it the focus and the mark (type-ahead, a row found).
    void SelectOnly(long long row);

private:
    bool IsRow(long long row) const;
    // Selects [mark, row] (the mark is `row` itself when there is none), after deselecting every
    // row unless `add`; the mark stays.
    void SelectFromMark(long long row, bool add);
    void Toggle(long long row);

    CLinkList& m_list;
    CListCursor m_cursor;
};
