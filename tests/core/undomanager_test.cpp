// Undo and Redo of Delete and Modify steps, and their menu texts.
#include <gtest/gtest.h>

#include "tests/core/NumberedList.h"
#include "tools/UndoManager.h"

namespace {

using testlist::Fill;
using testlist::kAdded;
using testlist::Titles;
const CDateTime kLater(46030.5, CDateTime::valid);

std::string Texts(const CLinkItem& item) {
    return item.m_strTitle.str() + "|" + item.m_strLink.str() + "|" + item.m_strDescription.str() +
           "|" + item.m_strCategory.str();
}

}  // namespace

TEST(UndoManager, UndoDeleteAppendsRecordsAtTheEndAndRedoRemovesExactlyThem) {
    CLinkList list;
    Fill(list, 10);
    CUndoManager undo(list);
    EXPECT_EQ(2u, undo.DeleteRows({2, 4}).count);
    const CUndoResult restored = undo.Undo(nullptr);
    EXPECT_EQ(CUndoResult::appended, restored.change);
    EXPECT_EQ(8u, restored.row);
    EXPECT_EQ("0,1,3,5,6,7,8,9,2,4", Titles(list));
    // A row added after the Undo puts the restored records in the middle.
    ASSERT_TRUE(list.AddLinkItem("new", "", "", "", kAdded, kAdded));
    EXPECT_EQ("Re&do Delete\tCtrl+Y", undo.GetMenuText(false));
    EXPECT_EQ(CUndoResult::removed, undo.Redo(nullptr).change);
    EXPECT_EQ("0,1,3,5,6,7,8,9,new", Titles(list));
    // A new step empties the redo list; rows that are not there change nothing.
    undo.Undo(nullptr);
    EXPECT_EQ(CUndoResult::none, undo.DeleteRows({99}).change);
    EXPECT_TRUE(undo.CanRedo());
    undo.DeleteRows({0});
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ("Re&do\tCtrl+Y|&Undo Delete\tCtrl+Z",
              undo.GetMenuText(false) + "|" + undo.GetMenuText(true));
}

TEST(UndoManager, ModifySwapsTextsAndLastModifiedBothWays) {
    CLinkList list;
    Fill(list, 3);
    CUndoManager undo(list);
    CLinkItem& record = *list.GetAt(1);
    undo.Replace(record, "New", "http://new", "new d", "Other", kLater);
    const CUndoResult undone = undo.Undo(&record);
    EXPECT_EQ(1u, undone.row);
    EXPECT_EQ(&record, undone.showRecord);
    EXPECT_EQ("1|l|d|c", Texts(record));
    EXPECT_EQ(kAdded, record.m_dtModified);
    // The editor shows another record: nothing to show again.
    EXPECT_EQ(nullptr, undo.Redo(list.GetAt(0)).showRecord);
    EXPECT_EQ("New|http://new|new d|Other", Texts(record));
    EXPECT_EQ(kLater, record.m_dtModified);
    EXPECT_EQ(kAdded, record.m_dtAdded);
}

TEST(UndoManager, ModifyOfARecordDeletedLaterRunsOnlyAfterTheDeleteBroughtItBack) {
    CLinkList list;
    Fill(list, 4);
    CUndoManager undo(list);
    undo.Replace(*list.GetAt(2), "changed", "", "", "", kLater);
    undo.DeleteRows({1, 2});
    undo.Undo(nullptr);
    EXPECT_EQ(3u, undo.Undo(nullptr).row);
    EXPECT_EQ("0,3,1,2", Titles(list));
    undo.Redo(nullptr);
    undo.Redo(nullptr);
    EXPECT_EQ("0,3", Titles(list));
    undo.Clear();  // the Delete owns the changed record: the sanitizers check it is freed once
}
