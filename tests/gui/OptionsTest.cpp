// The options sheet opened from the real main window, driven page by page from inside its loop.
#include <windows.h>
#include <commctrl.h>

#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

enum { pageSaving, pageCategories, pageSearching, pageTitleCase, pageNumbers, pageMisc };

HWND Page(HWND sheet, int index) {
    CModalWatch::SelectPage(sheet, index);
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int CurrentPage(HWND sheet) {
    return static_cast<int>(::SendMessageA(sheet, PSM_HWNDTOINDEX,
                                           ::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0));
}

void ClickIn(HWND page, int id) {
    ::SendMessageA(::GetDlgItem(page, id), BM_CLICK, 0, 0);
}

class Options : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        CPropertySheetRestore::SaveActiveIndex(pageSaving);
    }
    // Presses the Options button; `act` runs in the sheet and closes it.
    void RunSheet(CModalWatch::Action act) {
        const int seen = m_modal.Seen();
        m_modal.Expect(std::move(act));
        Click(IDC_OPTIONS);
        ASSERT_TRUE(PumpUntil([this, seen] { return m_modal.Seen() == seen + 1; }));
    }
    std::string Category(size_t row) const {
        return m_dlg->GetList().GetAt(row)->m_strCategory.str();
    }
};

}  // namespace

TEST_F(Options, NoSavingOptionKeepsTheSheetOnSaving) {
    Open();
    m_answers.Queue(IDOK);
    RunSheet([](HWND sheet) {
        HWND page = Page(sheet, pageSaving);
        for (int id : {IDC_SAVE_ON_PRESSES, IDC_SAVE_ON_TIMER, IDC_SAVE_ON_CLOSE})
            ClickIn(page, id);
        CModalWatch::Press(sheet, IDOK);
        EXPECT_TRUE(::IsWindow(sheet));
        EXPECT_EQ(pageSaving, CurrentPage(sheet));
        CModalWatch::Press(sheet, IDCANCEL);
    });
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Please choose at least one option for saving changes to disk.",
              m_answers.Shown()[0].text);
    EXPECT_EQ(1, m_dlg->GetSettings().m_bSaveOnClose);
}

TEST_F(Options, ANewDataFileNameBecomesCurrentAndTakesTheNextWrite) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 3);
    Open();
    const std::string other = m_folder.File("other.dat");
    m_answers.Queue(IDNO);  // do not load it
    RunSheet([&other](HWND sheet) {
        ::SetDlgItemTextA(Page(sheet, pageSaving), IDC_DATA_FILE, ("  " + other).c_str());
        CModalWatch::Press(sheet, IDOK);
    });
    EXPECT_EQ("Do you want to load the current data file?", m_answers.Shown().at(0).text);
    EXPECT_EQ(other, m_dlg->GetDataFile());
    EXPECT_EQ(other, m_profile.GetString("Saving", "Data File", ""));
    EXPECT_EQ(other, m_dlg->GetSettings().m_listDataFiles.back());
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsModified(); }));
    EXPECT_TRUE(FileExists(other));
}

// Seen: the Saving page asked for while About was open opened only after the next Import window.
TEST_F(Options, TheSavingPageAskedForUnderAnotherWindowOpensWhenThatWindowCloses) {
    Open();
    m_modal.Watch("About Veltrim Links");
    HWND about = nullptr;
    m_modal.Expect([&](HWND window) {
        ::SendMessageA(*m_dlg, CLinksDlg::WM_OPEN_OPTIONS, 0, 0);
        CModalWatch::Press(about = window, IDOK);
    });
    m_modal.Expect([&](HWND sheet) {
        EXPECT_FALSE(::IsWindow(about)) << "opened while About was open";
        CModalWatch::Press(sheet, IDCANCEL);
    });
    ::SendMessageA(*m_dlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_TRUE(PumpUntil([this] { return m_modal.Seen() == 2; }));
}

TEST_F(Options, NewFileWithUnsavedChangesAsksAndClearsTheList) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 3);
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    m_answers.Queue(IDNO);
    RunSheet([this](HWND sheet) {
        HWND page = Page(sheet, pageSaving);
        ClickIn(page, IDC_NEW_FILE);
        EXPECT_EQ(0u, m_dlg->GetList().GetCount());
        EXPECT_EQ(m_dlg->GetDocumentsFolder() + "NewFile.dat",
                  WindowText(::GetDlgItem(page, IDC_DATA_FILE)));
        CModalWatch::Press(sheet, IDCANCEL);
    });
    EXPECT_EQ("Do your want to save your changes?", m_answers.Shown().at(0).text);
    EXPECT_EQ("0 links", Text(IDC_LINK_COUNT));
}

TEST_F(Options, RenamingACategoryChangesExactlyItsRecordsOnOkOnly) {
    WriteRecords({{"Work", "Work"}, {"work", "work"}, {"Other", "Other"}}, {"Work", "Other"});
    Open();
    const auto renameWorkToJobs = [](HWND sheet) {
        HWND page = Page(sheet, pageCategories);
        HWND list = ::GetDlgItem(page, IDC_CATEGORY_LIST);
        const LRESULT work = ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>("Work"));
        ::SendMessageA(list, LB_SETSEL, TRUE, work);
        ::SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(work), FALSE);
        ClickIn(page, IDC_EDIT_ENTRY);
        EXPECT_EQ("Work", WindowText(::GetDlgItem(page, IDC_ENTRY_EDIT)));
        ::SetDlgItemTextA(page, IDC_ENTRY_EDIT, "Jobs");
        ClickIn(page, IDC_RENAME);
        ClickIn(page, IDC_ADD);
    };
    RunSheet([&](HWND sheet) {
        renameWorkToJobs(sheet);
        CModalWatch::Press(sheet, IDCANCEL);
    });
    EXPECT_EQ("Work", Category(0));
    EXPECT_FALSE(m_dlg->IsModified());
    RunSheet([&](HWND sheet) {
        renameWorkToJobs(sheet);
        CModalWatch::Press(sheet, IDOK);
    });
    EXPECT_EQ("Jobs", Category(0));
    EXPECT_EQ("work", Category(1));
    EXPECT_EQ("Other", Category(2));
    EXPECT_TRUE(m_dlg->GetList().Categories().Contains("Jobs"));
    EXPECT_FALSE(m_dlg->GetList().Categories().Contains("Work"));
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Options, SearchTermsAreKeptAndTheSearchingPageClearsThemAtOnceAndClampsTheSeparation) {
    m_profile.WriteInt("Searching", "Separation", 12);
    Open();
    // Terms are remembered once whatever their case, and kept between runs.
    for (const char* term : {"  golf ", "GOLF"}) {
        ::SetWindowTextA(Item(IDC_SEARCH), term);
        Click(IDC_NEW);  // remembers the term
    }
    Close();
    EXPECT_EQ("golf|", m_profile.GetString("Searching", "Term0", "") + "|" +
                           m_profile.GetString("Searching", "Term1", ""));
    Open();
    EXPECT_EQ(1, ::SendMessageA(Item(IDC_SEARCH), CB_GETCOUNT, 0, 0));
    RunSheet([](HWND sheet) {
        EXPECT_EQ(pageSaving, CurrentPage(sheet));
        HWND page = Page(sheet, pageSearching);
        EXPECT_EQ(9, ::SendMessageA(::GetDlgItem(page, IDC_SEPARATION), TBM_GETPOS, 0, 0));
        ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_CLEAR_SEARCH_LIST)));
        ClickIn(page, IDC_CLEAR_SEARCH_LIST);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_CLEAR_SEARCH_LIST)));
        CModalWatch::Press(sheet, IDCANCEL);
    });
    EXPECT_FALSE(m_dlg->HasSearchTerms());
    EXPECT_EQ(12, m_dlg->GetSettings().m_nSeparation);
    RunSheet([](HWND sheet) {
        EXPECT_EQ(pageSearching, CurrentPage(sheet)) << "opens on the page last shown";
        CModalWatch::Press(sheet, IDOK);
    });
    EXPECT_EQ(9, m_profile.GetInt("Searching", "Separation", 0));
}

TEST_F(Options, NumbersAndMiscTakeEffectAtOnce) {
    WriteDataFile(DataFile(), 12345);
    Open();
    RunSheet([this](HWND sheet) {
        ClickIn(Page(sheet, pageNumbers), IDC_SEP_SPACE);
        ::SendMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_EQ("12 345 links", Text(IDC_LINK_COUNT));
        ClickIn(Page(sheet, pageMisc), IDC_CONFIRM_DELETE);
        CModalWatch::Press(sheet, IDOK);
    });
    EXPECT_EQ("&Delete!", Text(IDC_DELETE));
    EXPECT_EQ(0, m_profile.GetInt("Misc", "Confirm Delete", 1));
    EXPECT_EQ(" ", m_profile.GetString("Numbers", "Thousands Separator", ""));
}
