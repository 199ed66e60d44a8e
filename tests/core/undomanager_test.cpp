#include <gtest/gtest.h>

#include "tests/core/NumberedList.h"

#include <string>
#include <vector>

#include "controls/NumberFormatter.h"
#include "store/LinkList.h"
#include "tools/UndoManager.h"

namespace {

using testlist::kAdded;
const CDateTime kLater(46030.5, CDateTime::valid);

using testlist::Fill;
using testlist::Titles;

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
    const CUndoResult redone = undo.Redo(nullptr);
    EXPECT_EQ(CUndoResult::removed, redone.change);
    EXPECT_EQ("0,1,3,5,6,7,8,9,new", Titles(list));
}

TEST(UndoManager, ReplaceThenUndoRestoresTextsAndLastModifiedAndRedoReappliesThem) {
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

TEST(UndoManager, NewStepEmptiesTheRedoListAndClearEmptiesBoth) {
    CLinkList list;
    Fill(list, 5);
    CUndoManager undo(list);
    undo.DeleteRows({0});
    undo.Replace(*list.GetAt(0), "x", "", "", "", kLater);
    undo.Undo(nullptr);
    undo.Undo(nullptr);
    EXPECT_EQ("Re&do Delete\tCtrl+Y", undo.GetMenuText(false));
    EXPECT_EQ(CUndoResult::none, undo.DeleteRows({9}).change);
    EXPECT_EQ(2u, undo.GetRedoCount());

    undo.DeleteRows({3});
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ("Re&do\tCtrl+Y", undo.GetMenuText(false));
    EXPECT_EQ("&Undo Delete\tCtrl+Z", undo.GetMenuText(true));

    undo.Undo(nullptr);
    undo.Clear();
    EXPECT_FALSE(undo.CanUndo() || undo.CanRedo());
    EXPECT_EQ("&Undo\tCtrl+Z", undo.GetMenuText(true));
    EXPECT_EQ(CUndoResult::none, undo.Redo(nullptr).change);
    EXPECT_EQ("1,2,3,0,4", Titles(list));  // the records the redo step knew stay in the list
}

TEST(UndoManager, PreviewShowsWhatTheStepWillBringBackDeleteOrWrite) {
    CLinkList list;
    Fill(list, 1500);
    CUndoManager undo(list);
    const CNumberFormatter formatter(true, ',');
    std::vector<std::size_t> rows(1234);
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = row;
    undo.DeleteRows(rows);
    EXPECT_EQ("Undo Delete", undo.GetPreviewAction(true));
    EXPECT_EQ("Restores the following 1,234 veltrim links.",
              undo.GetPreviewEffect(true, formatter));
    EXPECT_EQ("1233", undo.GetPreviewRecords(true).at(1233)->m_strTitle.str());
    undo.Undo(nullptr);
    EXPECT_EQ("Deletes the following 1,234 veltrim links.",
              undo.GetPreviewEffect(false, formatter));

    // A Modify previews the state the record will get, in either direction.
    undo.Replace(*list.GetAt(0), "after", "", "", "", kLater);
    EXPECT_EQ("Undo Modify", undo.GetPreviewAction(true));
    EXPECT_EQ("Replaces an existing veltrim link with the following data.",
              undo.GetPreviewEffect(true, formatter));
    EXPECT_EQ("1234|l|d|c", Texts(undo.GetPreviewRecord(true, 0)));
    undo.Undo(nullptr);
    EXPECT_EQ("after|||", Texts(undo.GetPreviewRecord(false, 0)));
}

// Deleting, restoring and deleting again half of 100,000 scattered rows keeps exactly the other
// half in order (each step is one pass over the list; row by row would take minutes).
TEST(UndoManager, ScatteredDeleteOfFiftyThousandUndoesAndRedoes) {
    CLinkList list;
    Fill(list, 100000);
    CUndoManager undo(list);
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < 100000; row += 2) rows.push_back(row);

    undo.DeleteRows(rows);
    EXPECT_EQ(100000u, undo.Undo(nullptr).row + 50000u);
    EXPECT_EQ(50000u, undo.Redo(nullptr).count);
    ASSERT_EQ(50000u, list.GetCount());
    EXPECT_EQ("1", list.GetAt(0)->m_strTitle.str());
    EXPECT_EQ("99999", list.GetAt(49999)->m_strTitle.str());
}
