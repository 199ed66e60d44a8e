// The selection the model keeps: its rules under the mouse and the keyboard, its survival through
// row changes, and type-ahead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ListSelection.h"
#include "search/TitleFind.h"
#include "store/LinkList.h"
#include "tests/core/NumberedList.h"

namespace {

using testlist::Fill;
using testlist::kAdded;

// The selected rows as "0,3,4", then the focus and the mark: "0,3,4 f4 m3".
std::string State(const CLinkList& list, const CListCursor& cursor) {
    std::string text;
    for (std::size_t row : list.SelectedRows())
        text += (text.empty() ? "" : ",") + std::to_string(row);
    return text + " f" + std::to_string(cursor.focus) + " m" + std::to_string(cursor.mark);
}

}  // namespace

TEST(Selection, ModelCountsAndFindsSelectedRowsThroughRowChanges) {
    CLinkList list;
    Fill(list, 10);
    list.SetSelected(2, 4, true);
    list.SetSelected(3, true);      // no change
    list.SetSelected(8, 20, true);  // beyond the list: up to the last row
    EXPECT_EQ(5u, list.GetSelectedCount());
    EXPECT_EQ(2, list.NextSelected(-1, true));
    EXPECT_EQ(8, list.NextSelected(4, true));
    EXPECT_EQ(4, list.NextSelected(8, false));
    EXPECT_EQ(-1, list.NextSelected(2, false));
    EXPECT_EQ(-1, list.NextSelected(9, true));

    // Rows that go take their selection with them; the rows that stay keep theirs.
    auto removed = list.DeleteRows({3, 9});
    EXPECT_EQ((std::vector<std::size_t>{2, 3, 7}), list.SelectedRows());
    EXPECT_EQ(3u, list.GetSelectedCount());
    ASSERT_TRUE(list.Append(removed));  // brought back unselected
    EXPECT_EQ(3u, list.GetSelectedCount());
    list.DeleteItems({list.GetAt(2)});
    EXPECT_EQ((std::vector<std::size_t>{2, 6}), list.SelectedRows());

    EXPECT_EQ(0, list.InvertSelection());
    EXPECT_EQ(list.GetCount() - 2, list.GetSelectedCount());
    list.SelectOnly({1, 5});
    EXPECT_EQ((std::vector<std::size_t>{1, 5}), list.SelectedRows());
    list.FreeAll();
    EXPECT_EQ(0u, list.GetSelectedCount());
    EXPECT_EQ(-1, list.InvertSelection());
}

TEST(Selection, MouseAndKeysFollowTheListRules) {
    using EMove = CListSelection::EMove;
    // Each case starts from rows 1 and 2 selected, the focus on 2 and the mark on 1, in a list of
    // ten rows showing five at once.
    struct {
        const char* what;
        void (*act)(CListSelection&);
        const char* after;
    } const cases[] = {
        {"click", [](CListSelection& s) { s.Click(6, false, false); }, "6 f6 m6"},
        {"ctrl-click adds", [](CListSelection& s) { s.Click(6, true, false); }, "1,2,6 f6 m6"},
        {"ctrl-click removes", [](CListSelection& s) { s.Click(2, true, false); }, "1 f2 m2"},
        {"shift-click", [](CListSelection& s) { s.Click(4, false, true); }, "1,2,3,4 f4 m1"},
        {"shift-click upwards", [](CListSelection& s) { s.Click(0, false, true); }, "0,1 f0 m1"},
        {"ctrl+shift-click adds", [](CListSelection& s) { s.Click(7, true, true); },
         "1,2,3,4,5,6,7 f7 m1"},
        {"click beside the rows", [](CListSelection& s) { s.Click(-1, false, false); }, " f2 m1"},
        {"ctrl-click beside the rows", [](CListSelection& s) { s.Click(-1, true, false); },
         "1,2 f2 m1"},
        {"right click on a selected row", [](CListSelection& s) { s.RightClick(1); }, "1,2 f1 m1"},
        {"right click elsewhere", [](CListSelection& s) { s.RightClick(5); }, "5 f5 m5"},
        {"down", [](CListSelection& s) { s.Move(EMove::down, false, false, 5); }, "3 f3 m3"},
        {"up", [](CListSelection& s) { s.Move(EMove::up, false, false, 5); }, "1 f1 m1"},
        {"shift+down", [](CListSelection& s) { s.Move(EMove::down, false, true, 5); },
         "1,2,3 f3 m1"},
        {"ctrl+down moves the focus only",
         [](CListSelection& s) { s.Move(EMove::down, true, false, 5); }, "1,2 f3 m1"},
        {"page down", [](CListSelection& s) { s.Move(EMove::pageDown, false, false, 5); },
         "6 f6 m6"},
        {"page up stops at the top",
         [](CListSelection& s) { s.Move(EMove::pageUp, false, false, 5); }, "0 f0 m0"},
        {"shift+end", [](CListSelection& s) { s.Move(EMove::end, false, true, 5); },
         "1,2,3,4,5,6,7,8,9 f9 m1"},
        {"home", [](CListSelection& s) { s.Move(EMove::home, false, false, 5); }, "0 f0 m0"},
        {"space", [](CListSelection& s) { s.Space(false); }, "2 f2 m2"},
        {"ctrl+space", [](CListSelection& s) { s.Space(true); }, "1 f2 m2"},
        {"type-ahead", [](CListSelection& s) { s.SelectOnly(8); }, "8 f8 m8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CLinkList list;
        Fill(list, 10);
        list.SetSelected(1, 2, true);
        CListSelection selection(list, CListCursor{2, 1});
        c.act(selection);
        EXPECT_EQ(c.after, State(list, selection.GetCursor()));
    }
    // With no focus yet, Down goes to the first row; in an empty list nothing moves.
    CLinkList list;
    Fill(list, 3);
    CListSelection fresh(list, CListCursor{});
    fresh.Move(EMove::down, false, false, 5);
    EXPECT_EQ("0 f0 m0", State(list, fresh.GetCursor()));
    CLinkList empty;
    CListSelection none(empty, CListCursor{});
    none.Move(EMove::end, false, true, 5);
    none.Space(true);
    EXPECT_EQ(" f-1 m-1", State(empty, none.GetCursor()));
}

TEST(Selection, TypeAheadFindsTitlesByPrefixWithoutRegardToCase) {
    CLinkList list;
    for (const char* title : {"Apple", "banana", "Berry", "blue", "Cherry", "avocado"})
        ASSERT_TRUE(list.AddLinkItem(title, "", "", "", kAdded, kAdded));
    EXPECT_EQ(1, FindTitle(list, "B", 0, true, false));
    EXPECT_EQ(3, FindTitle(list, "bl", 2, true, false));
    EXPECT_EQ(0, FindTitle(list, "ap", 1, true, true)) << "wraps round to the top";
    EXPECT_EQ(-1, FindTitle(list, "ap", 1, true, false));
    EXPECT_EQ(5, FindTitle(list, "a", 1, true, true));
    EXPECT_EQ(-1, FindTitle(list, "berr", 3, true, false));
    EXPECT_EQ(2, FindTitle(list, "berry", 0, false, false));
    EXPECT_EQ(-1, FindTitle(list, "berr", 0, false, false)) << "not partial: the whole title";
    EXPECT_EQ(-1, FindTitle(list, "", 0, true, true));
    EXPECT_EQ(-1, FindTitle(list, "Berry and more", 0, true, true));

    CTypeAhead typed;
    EXPECT_EQ(1, typed.Type(list, 'b', 1000, 0));
    EXPECT_EQ(3, typed.Type(list, 'l', 1500, 1)) << "a longer prefix within the pause";
    EXPECT_EQ(4, typed.Type(list, 'c', 3000, 3)) << "after the pause a new prefix begins";
    // The same letter again and again steps through the rows that begin with it.
    EXPECT_EQ(5, typed.Type(list, 'a', 5000, 4));
    EXPECT_EQ(0, typed.Type(list, 'a', 5100, 5));
    EXPECT_EQ(5, typed.Type(list, 'a', 5200, 0));
    EXPECT_EQ(-1, typed.Type(list, 'z', 9000, 5));
}
