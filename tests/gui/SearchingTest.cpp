// The incremental search in the real main window: synchronous and on search jobs, Previous and
// Next, and the history of terms.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Searching : public MainWindowFixture {
protected:
    void TypeSearch(const std::string& text, bool pump = true) {
        HWND combo = Item(IDC_SEARCH);
        ::SetWindowTextA(combo, text.c_str());
        ::SendMessageA(*m_dlg, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(combo));
        if (pump) Pump();
    }
    bool Selected(int row) {
        return ::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
    }
    bool Enabled(int id) { return ::IsWindowEnabled(Item(id)) != FALSE; }
};

TEST_F(Searching, TypingATermSelectsExactlyTheMatchingRows) {
    WriteDataFile(DataFile(), 20);
    Open();
    TypeSearch("Title 1");
    // Title 1 and Title 10 to Title 19.
    EXPECT_EQ("11 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_TRUE(Selected(1));
    EXPECT_TRUE(Selected(15));
    EXPECT_FALSE(Selected(0));
    EXPECT_FALSE(Selected(2));
    EXPECT_EQ("Title 1", Text(IDC_TITLE));
    EXPECT_FALSE(Enabled(IDC_PREVIOUS));
    EXPECT_TRUE(Enabled(IDC_NEXT));

    Click(IDC_NEXT);
    EXPECT_EQ("Title 10", Text(IDC_TITLE));
    EXPECT_TRUE(Enabled(IDC_PREVIOUS));
    Click(IDC_PREVIOUS);
    EXPECT_EQ("Title 1", Text(IDC_TITLE));
}

TEST_F(Searching, AnEmptyTermSelectsNothingAndClearsTheEditor) {
    WriteDataFile(DataFile(), 5);
    Open();
    TypeSearch("Title");
    EXPECT_EQ("5 selected links", Text(IDC_SELECTED_COUNT));
    TypeSearch("");
    EXPECT_EQ("0 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("", Text(IDC_TITLE));
    EXPECT_FALSE(Enabled(IDC_NEXT));
}

TEST_F(Searching, PositionOnLastShowsTheLastMatch) {
    m_profile.WriteInt("Searching", "Position on Last", 1);
    WriteDataFile(DataFile(), 20);
    Open();
    TypeSearch("Title 1");
    EXPECT_EQ("Title 19", Text(IDC_TITLE));
    EXPECT_FALSE(Enabled(IDC_NEXT));
    EXPECT_TRUE(Enabled(IDC_PREVIOUS));
}

TEST_F(Searching, HistoryKeepsTheTenNewestTermsWithoutCaseDuplicates) {
    Open();
    for (int i = 0; i <= 10; ++i) {
        TypeSearch("  term " + std::to_string(i) + " ");
        Click(IDC_NEW);  // remembers the term
    }
    TypeSearch("TERM 3");
    Click(IDC_NEW);
    EXPECT_EQ(11, ::SendMessageA(Item(IDC_SEARCH), CB_GETCOUNT, 0, 0));
    Close();
    EXPECT_EQ("term 1", m_profile.GetString("Searching", "Term0", ""));
    EXPECT_EQ("term 10", m_profile.GetString("Searching", "Term9", ""));
    EXPECT_EQ("", m_profile.GetString("Searching", "Term10", ""));
    Open();
    EXPECT_EQ(10, ::SendMessageA(Item(IDC_SEARCH), CB_GETCOUNT, 0, 0));
    m_dlg->ClearSearchTerms();
    EXPECT_EQ(0, ::SendMessageA(Item(IDC_SEARCH), CB_GETCOUNT, 0, 0));
    EXPECT_EQ("", m_profile.GetString("Searching", "Term0", ""));
}

TEST_F(Searching, ADropDownChoiceSearchesAtOnceEvenWhenInterruptible) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    m_profile.WriteString("Searching", "Term0", "Title 3");
    WriteDataFile(DataFile(), 8);
    Open();
    HWND combo = Item(IDC_SEARCH);
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    ::SendMessageA(*m_dlg, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    // No pumping: the search ran before the command returned.
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("Title 3", Text(IDC_TITLE));
    EXPECT_FALSE(m_dlg->IsSearching());
}

TEST_F(Searching, QuickKeystrokesEndWithTheResultOfTheLastTerm) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    WriteDataFile(DataFile(), 3000);
    Open();
    const std::string terms[] = {"Title 2", "Title 29", "Title 299", "Title 2999", "Title 1"};
    for (int round = 0; round < 4; ++round)
        for (const std::string& term : terms) TypeSearch(term, false);
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsSearching(); }));
    Pump();
    // "Title 1" matches 1, 10-19, 100-199 and 1000-1999: 1,111 rows.
    EXPECT_EQ("1,111 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("Title 1", Text(IDC_TITLE));
    EXPECT_TRUE(Selected(1999));
    EXPECT_FALSE(Selected(2999));
}

TEST_F(Searching, CommandsWaitWhileASearchJobRuns) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    WriteDataFile(DataFile(), 3);
    Open();
    TypeSearch("Title", false);
    ASSERT_TRUE(m_dlg->IsSearching());
    // Delete does nothing until the search has shown its result.
    ::SendMessageA(Item(IDC_DELETE), BM_CLICK, 0, 0);
    EXPECT_TRUE(m_answers.Shown().empty());
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsSearching(); }));
    EXPECT_EQ("3 selected links", Text(IDC_SELECTED_COUNT));
}

TEST_F(Searching, ClosingWhileSearchJobsWaitNeitherHangsNorCrashes) {
    m_profile.WriteInt("Searching", "Interruptible Searching", 1);
    WriteDataFile(DataFile(), 20000);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    for (int i = 0; i < 10; ++i) TypeSearch("Title " + std::to_string(i), false);
    Close();
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
}
