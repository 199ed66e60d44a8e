// The main window's placement and column widths between runs, and the settings read at start.
#include <windows.h>
#include <commctrl.h>

#include "app/ColumnScaler.h"
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class WindowState : public MainWindowFixture {
protected:
    void StorePlacement(int showCmd, int x1, int y1, int x2, int y2) {
        m_profile.WriteInt("Placement", "Flags", 0);
        m_profile.WriteInt("Placement", "ShowCmd", showCmd);
        m_profile.WriteInt("Placement", "x1", x1);
        m_profile.WriteInt("Placement", "y1", y1);
        m_profile.WriteInt("Placement", "x2", x2);
        m_profile.WriteInt("Placement", "y2", y2);
    }
    RECT NormalRect() {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        ::GetWindowPlacement(*m_dlg, &placement);
        return placement.rcNormalPosition;
    }
    std::vector<int> DefaultWidths() {
        RECT client;
        ::GetClientRect(Item(IDC_LINK_LIST), &client);
        const CColumnScaler scaler(client.right, 455, 5, false, 0);
        return {scaler.Scale(150), scaler.Scale(100), scaler.Scale(600), scaler.Scale(160),
                scaler.Scale(160)};
    }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int i = 0; i < 5; ++i)
            widths.push_back(
                static_cast<int>(::SendMessageA(Item(IDC_LINK_LIST), LVM_GETCOLUMNWIDTH, i, 0)));
        return widths;
    }
};

TEST_F(WindowState, PlacementAtTheRightEdgeIsPulledBackOneIconInside) {
    const int screen = ::GetSystemMetrics(SM_CXSCREEN);
    StorePlacement(SW_SHOWNORMAL, screen, 100, screen + 500, 500);
    Open();
    const RECT normal = NormalRect();
    EXPECT_EQ(screen - ::GetSystemMetrics(SM_CXICON), normal.left);
    EXPECT_EQ(500, normal.right - normal.left);
    EXPECT_EQ(100, normal.top);
}

TEST_F(WindowState, PlacementWithAMissingValueIsIgnoredAndTheWindowCentred) {
    StorePlacement(SW_SHOWNORMAL, -1, 10, 400, 300);
    Open();
    RECT window;
    ::GetWindowRect(*m_dlg, &window);
    const int centre = (window.left + window.right) / 2;
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, centre, 1);
}

TEST_F(WindowState, PlacementIsStoredAtExitAndAMinimisedWindowReopensMinimised) {
    Open();
    ::ShowWindow(*m_dlg, SW_MINIMIZE);
    Pump();
    Close();
    EXPECT_EQ(SW_SHOWMINIMIZED, m_profile.GetInt("Placement", "ShowCmd", -1));
    Open();
    EXPECT_TRUE(::IsIconic(*m_dlg));
}

TEST_F(WindowState, OneMissingColumnWidthGivesEveryColumnItsDefault) {
    for (int i = 0; i < 5; ++i) m_profile.WriteInt("List of Links", "Col " + std::to_string(i), 77);
    m_profile.WriteInt("List of Links", "Col 3", 0);
    Open();
    EXPECT_EQ(DefaultWidths(), Widths());
}

TEST_F(WindowState, StoredWidthsAreUsedOnlyWhileTheOptionIsOn) {
    for (int i = 0; i < 5; ++i)
        m_profile.WriteInt("List of Links", "Col " + std::to_string(i), 50 + i);
    Open();
    EXPECT_EQ((std::vector<int>{50, 51, 52, 53, 54}), Widths());
    ::SendMessageA(Item(IDC_LINK_LIST), LVM_SETCOLUMNWIDTH, 2, 99);
    Close();
    EXPECT_EQ(99, m_profile.GetInt("List of Links", "Col 2", 0));

    m_profile.WriteInt("Misc", "Save Column Widths", 0);
    Open();
    EXPECT_EQ(DefaultWidths(), Widths());
    ::SendMessageA(Item(IDC_LINK_LIST), LVM_SETCOLUMNWIDTH, 0, 42);
    Close();
    // Still written at exit, only not read.
    EXPECT_EQ(42, m_profile.GetInt("List of Links", "Col 0", 0));
}

TEST_F(WindowState, SettingsTakeEffectAtStart) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    m_profile.WriteString("Numbers", "Thousands Separator", ".");
    WriteDataFile(DataFile(), 1500);
    Open();
    EXPECT_EQ("&Delete!", Text(IDC_DELETE));
    EXPECT_EQ("1.500 links", Text(IDC_LINK_COUNT));
    Close();
    m_profile.WriteInt("Numbers", "Use Thousands Sep", 0);
    Open();
    EXPECT_EQ("1500 links", Text(IDC_LINK_COUNT));
}

TEST_F(WindowState, MiscOptionsMoveDescriptionLinesAndCopyTheLink) {
    m_profile.WriteInt("Misc", "Move to Title", 1);
    m_profile.WriteInt("Misc", "Move to Link", 1);
    m_profile.WriteInt("Misc", "Copy Link", 1);
    WriteDataFile(DataFile(), 3);
    Open();
    Click(IDC_NEW);
    Type(IDC_DESCRIPTION, "A\r\nB\r\nC");
    Click(IDC_SAVE);
    EXPECT_EQ("A", Text(IDC_TITLE));
    EXPECT_EQ("C", Text(IDC_LINK));
    EXPECT_EQ("B", Text(IDC_DESCRIPTION));
    ASSERT_EQ(4u, m_dlg->GetList().GetCount());
    EXPECT_EQ("A", m_dlg->GetList().GetAt(3)->m_strTitle.str());

    ClickRow(Item(IDC_LINK_LIST), 1);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 1"; }));
    ASSERT_TRUE(::OpenClipboard(*m_dlg));
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const std::string copied = data ? static_cast<const char*>(::GlobalLock(data)) : "";
    if (data) ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ("http://example.com/1", copied);
}
