// Launching links and the automatic save, each on a worker thread of the real main window.
#include <windows.h>
#include <commctrl.h>

#include "framework/MessageBox.h"
#include "mainwnd/Win32ShellLauncher.h"
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Jobs : public MainWindowFixture {
protected:
    void Tick() {
        ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
        Pump();
    }
    void DeleteFirstRow() {
        SelectRows(Item(IDC_LINK_LIST), {0});
        Click(IDC_DELETE);
    }
    std::string m_failure;
};

TEST_F(Jobs, LaunchHandsTheTrimmedLinkToTheShell) {
    Open();
    Type(IDC_LINK, "  www.example.com  ");
    Click(IDC_LAUNCH);
    ASSERT_TRUE(PumpUntil([this] { return !m_launcher.Launched().empty(); }));
    EXPECT_EQ("open http://www.example.com", m_launcher.Launched()[0]);

    Type(IDC_LINK, m_folder.Path() + "\\");
    Click(IDC_LAUNCH);
    ASSERT_TRUE(PumpUntil([this] { return m_launcher.Launched().size() == 2; }));
    EXPECT_EQ("explore " + m_folder.Path(),
              m_launcher.Launched()[1].substr(0, 8 + m_folder.Path().size()));
    EXPECT_TRUE(m_answers.Shown().empty());
}

TEST_F(Jobs, DoubleClickLaunchesTheRecordShown) {
    WriteDataFile(DataFile(), 5);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    ClickRow(list, 3);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 3"; }));
    NMITEMACTIVATE activate = {};
    activate.hdr = {list, IDC_LINK_LIST, static_cast<UINT>(NM_DBLCLK)};
    activate.iItem = 3;
    ::SendMessageA(*m_dlg, WM_NOTIFY, IDC_LINK_LIST, reinterpret_cast<LPARAM>(&activate));
    ASSERT_TRUE(PumpUntil([this] { return !m_launcher.Launched().empty(); }));
    EXPECT_EQ("open http://example.com/3", m_launcher.Launched()[0]);
}

TEST_F(Jobs, LaunchingAMissingFileSaysItWasNotFound) {
    CWin32ShellLauncher shell;
    m_pLauncher = &shell;
    Open();
    const std::string missing = m_folder.File("missing.txt");
    Type(IDC_LINK, missing);
    m_answers.Queue(IDOK);
    Click(IDC_LAUNCH);
    ASSERT_TRUE(PumpUntil([this] { return !m_answers.Shown().empty(); }));
    EXPECT_EQ("Could not open \"" + missing + "\".  This item was not found.",
              m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_answers.Shown()[0].type & MB_ICONMASK);
    Close();
}

TEST_F(Jobs, TimerWritesAModifiedListAndLeavesAnUnmodifiedOneAlone) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 4);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    Tick();
    ASSERT_TRUE(PumpUntil([this] { return m_dlg->IsAutoSaveIdle(); }));
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    EXPECT_FALSE(FileExists(DataFile() + ".bak"));

    DeleteFirstRow();
    ASSERT_TRUE(m_dlg->IsModified());
    Tick();
    ASSERT_TRUE(PumpUntil([this] { return !m_dlg->IsModified() && m_dlg->IsAutoSaveIdle(); }));
    const std::string after = ReadFileBytes(DataFile());
    EXPECT_NE(before, after);
    EXPECT_EQ(std::string::npos, after.find("Title 0"));
    EXPECT_TRUE(m_answers.Shown().empty());
}

TEST_F(Jobs, FailedTimedWriteIsReportedOnTheWindowsThread) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 3);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    ASSERT_TRUE(::CreateDirectoryA((DataFile() + ".tmp").c_str(), nullptr));
    DWORD shownOn = 0;
    SetMessageBoxHandler([&shownOn, this](HWND, const std::string& text, const std::string&, UINT) {
        shownOn = ::GetCurrentThreadId();
        m_failure = text;
        return IDOK;
    });
    DeleteFirstRow();
    Tick();
    ASSERT_TRUE(PumpUntil([&shownOn] { return shownOn != 0; }));
    EXPECT_EQ(::GetCurrentThreadId(), shownOn);
    EXPECT_EQ("Could not save veltrim links into \"" + DataFile() + "\".", m_failure);
    EXPECT_TRUE(m_dlg->IsModified());
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    Close();
    ::RemoveDirectoryA((DataFile() + ".tmp").c_str());
}
