// Launching links and the automatic save, each on a worker thread of the real main window.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Jobs : public MainWindowFixture {
protected:
    void Tick() {
        ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
        Pump();
    }
};

TEST_F(Jobs, LaunchRefusesAnEmptyLinkAndLaunchAndDoubleClickHandTheLinkToTheShell) {
    WriteDataFile(DataFile(), 5);
    Open();
    Type(IDC_LINK, "   ");
    m_answers.Queue(IDOK);
    Click(IDC_LAUNCH);
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Please put a link or full filename into the Link field.", m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_answers.Shown()[0].type & MB_ICONMASK);
    Type(IDC_LINK, "  www.example.com  ");
    Click(IDC_LAUNCH);
    ASSERT_TRUE(PumpUntil([this] { return m_launcher.Launched().size() == 1; }));
    EXPECT_EQ("open http://www.example.com", m_launcher.Launched()[0]);
    HWND list = Item(IDC_LINK_LIST);
    ClickRow(list, 3);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 3"; }));
    NMITEMACTIVATE activate = {};
    activate.hdr = {list, IDC_LINK_LIST, static_cast<UINT>(NM_DBLCLK)};
    activate.iItem = 3;
    ::SendMessageA(*m_dlg, WM_NOTIFY, IDC_LINK_LIST, reinterpret_cast<LPARAM>(&activate));
    ASSERT_TRUE(PumpUntil([this] { return m_launcher.Launched().size() == 2; }));
    EXPECT_EQ("open http://example.com/3", m_launcher.Launched()[1]);
}

// The timer writes a modified list only; a failed timed write is reported on the window's thread
// and leaves the file and the modified mark as they were.
TEST_F(Jobs, TimerWritesAModifiedListAndAFailureIsReportedOnTheWindowsThread) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 4);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    Tick();
    ASSERT_TRUE(PumpUntil([this] { return m_dlg->IsAutoSaveIdle(); }));
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    // A folder where the temporary file would go makes the write fail even for an administrator.
    std::filesystem::create_directory(DataFile() + ".tmp");
    m_answers.Queue(IDOK);
    // After the message the Saving page opens, to choose another data file.
    m_modal.Expect([](HWND sheet) { CModalWatch::Press(sheet, IDCANCEL); });
    Tick();
    ASSERT_TRUE(PumpUntil([this] { return !m_answers.Shown().empty() && m_modal.Seen() == 1; }));
    EXPECT_EQ(::GetCurrentThreadId(), m_answers.Shown()[0].threadId);
    EXPECT_EQ("Could not save veltrim links into \"" + DataFile() + "\".",
              m_answers.Shown()[0].text);
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    std::filesystem::remove(DataFile() + ".tmp");
    ASSERT_TRUE(PumpUntil([this] { return m_dlg->IsAutoSaveIdle(); }));
    Tick();
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsModified() && m_dlg->IsAutoSaveIdle(); }));
    EXPECT_EQ(std::string::npos, ReadFileBytes(DataFile()).find("Title 0"));
}
