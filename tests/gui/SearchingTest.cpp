// The incremental search in the real main window: synchronous and on search jobs, Previous and
// Next.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Searching : public MainWindowFixture {
protected:
    void TypeSearch(const std::string& text, bool pump = true) {
        ::SetWindowTextA(Item(IDC_SEARCH), text.c_str());
        ::SendMessageA(*m_dlg, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(Item(IDC_SEARCH)));
        if (pump) Pump();
    }
    bool Selected(int row) {
        return ::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
    }
};

TEST_F(Searching, TypingATermSelectsExactlyTheMatchingRowsAndShowsTheFirstOrTheLast) {
    WriteDataFile(DataFile(), 20);
    Open();
    TypeSearch("Title 1");  // Title 1 and Title 10 to Title 19
    EXPECT_EQ("11 selected links|Title 1", Text(IDC_SELECTED_COUNT) + "|" + Text(IDC_TITLE));
    EXPECT_TRUE(Selected(1) && Selected(15) && !Selected(0) && !Selected(2));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_PREVIOUS)));
    Click(IDC_NEXT);
    EXPECT_EQ("Title 10", Text(IDC_TITLE));
    TypeSearch("");
    EXPECT_EQ("0 selected links|", Text(IDC_SELECTED_COUNT) + "|" + Text(IDC_TITLE));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_NEXT)));
    Close();
    m_profile.WriteInt("Searching", "Position on Last", 1);
    Open();
    TypeSearch("Title 1");
    EXPECT_EQ("Title 19", Text(IDC_TITLE));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_NEXT)));
}

TEST_F(Searching, QuickKeystrokesOnSearchJobsEndWithTheResultOfTheLastTerm) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    WriteDataFile(DataFile(), 3000);
    Open();
    for (int round = 0; round < 4; ++round)
        for (const char* term : {"Title 2", "Title 29", "Title 299", "Title 2999", "Title 1"})
            TypeSearch(term, false);
    // Delete does nothing until the search has shown its result (a question would fail the test).
    ASSERT_TRUE(m_dlg->IsSearching());
    ::SendMessageA(Item(IDC_DELETE), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsSearching(); }));
    Pump();
    // "Title 1" matches 1, 10-19, 100-199 and 1000-1999: 1,111 rows.
    EXPECT_EQ("1,111 selected links|Title 1", Text(IDC_SELECTED_COUNT) + "|" + Text(IDC_TITLE));
    EXPECT_TRUE(Selected(1999) && !Selected(2999));
    EXPECT_EQ(3000u, m_dlg->GetList().GetCount());
}

// Closing must stop the waiting searches rather than wait for them or free them under their
// threads, and still write the modified list.
TEST_F(Searching, ClosingWhileSearchJobsWaitStopsThemAndWritesTheModifiedList) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 20000);
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    for (int i = 0; i < 10; ++i) TypeSearch("Title " + std::to_string(i), false);
    ASSERT_TRUE(m_dlg->IsSearching());
    m_dlg->DestroyWindow();
    EXPECT_FALSE(m_dlg->IsSearching());
    Close();
    CLinkList written;
    EXPECT_EQ(ELoadResult::loaded,
              CDataFile(m_fileSystem, m_clock).Load(DataFile(), written).result);
    EXPECT_EQ(19999u, written.GetCount());
    EXPECT_EQ("Title 1", written.GetAt(0)->m_strTitle.str());
}
