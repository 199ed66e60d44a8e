// The selection the model keeps, driven through the real list of links: clicks with modifiers,
// type-ahead, and the selection kept through a bulk change of rows.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

class Selection : public MainWindowFixture {
protected:
    HWND List() const { return Item(IDC_LINK_LIST); }
    int Mark() const {
        return static_cast<int>(::SendMessageA(List(), LVM_GETSELECTIONMARK, 0, 0));
    }
    bool Selected(int row) const {
        return ::SendMessageA(List(), LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
    }
};

}  // namespace

TEST_F(Selection, ShiftClickSelectsTheRangeFromTheMark) {
    WriteDataFile(DataFile(), 10);
    Open();
    // One at a time: a click's point is taken where the row is when it is posted.
    for (const auto& [row, keys] : {std::pair<int, WPARAM>{2, 0}, {5, MK_SHIFT}, {8, MK_CONTROL}}) {
        ClickRow(List(), row, keys);
        Pump();
    }
    EXPECT_EQ("5 selected links", Text(IDC_SELECTED_COUNT));
    for (int row : {2, 3, 4, 5, 8}) EXPECT_TRUE(Selected(row)) << row;
    EXPECT_EQ(8, Mark());
    EXPECT_EQ("Title 8", Text(IDC_TITLE));
}

// Seen: Redo of a Delete reset the rows and dropped the selection and the selection mark; the
// editor then had no row, and Save added a copy of the shown record instead of changing it.
TEST_F(Selection, RedoOfADeleteKeepsTheSelectionMarkAndTheEditorsRecord) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 10);
    Open();
    SelectRows(List(), {3, 5});
    Click(IDC_DELETE);
    SysCommand(IDM_UNDO);
    SelectRows(List(), {6, 1});
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 1"; }));
    SysCommand(IDM_REDO);
    EXPECT_EQ("2 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ(1, Mark());
    EXPECT_TRUE(Selected(1));
    EXPECT_TRUE(Selected(6));
    Type(IDC_TITLE, "Changed");
    Click(IDC_SAVE);
    ASSERT_EQ(8u, m_dlg->GetList().GetCount());
    EXPECT_EQ("Changed", m_dlg->GetList().GetAt(1)->m_strTitle.str());
}

TEST_F(Selection, TypeAheadShowsTheRecordWhoseTitleBeginsWithWhatWasTyped) {
    WriteDataFile(DataFile(), 20);
    Open();
    ClickRow(List(), 3);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 3"; }));
    ::SetFocus(List());
    for (const char ch : std::string("title 15")) {
        ::PostMessageA(List(), WM_KEYDOWN, ch == ' ' ? VK_SPACE : ::toupper(ch), 1);
        ::PostMessageA(List(), WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 15"; }));
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
    EXPECT_TRUE(Selected(15));
    EXPECT_EQ(15, Mark());
}
