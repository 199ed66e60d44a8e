// The main window's placement and column widths between runs, and options read at start.
#include <windows.h>
#include <commctrl.h>

#include "app/ColumnScaler.h"
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class WindowState : public MainWindowFixture {
protected:
    // The normal rectangle's place and width, as "left,top width".
    std::string Normal() {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        ::GetWindowPlacement(*m_dlg, &placement);
        const RECT& r = placement.rcNormalPosition;
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.right - r.left);
    }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int i = 0; i < 5; ++i)
            widths.push_back(ListView_GetColumnWidth(Item(IDC_LINK_LIST), i));
        return widths;
    }
};

TEST_F(WindowState, PlacementIsStoredAtExitAndRestoredWithinTheDesktop) {
    Open();
    // Nothing stored yet: the window is centred in the work area.
    RECT window, work;
    ::GetWindowRect(*m_dlg, &window);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (window.left + window.right) / 2, 1);
    ::SetWindowPos(*m_dlg, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(*m_dlg, SW_MINIMIZE);
    Pump();
    // Minimised, the system menu offers Restore and not Minimize.
    EXPECT_EQ(0u, MenuItemState(*m_dlg, SC_RESTORE) & MF_GRAYED);
    EXPECT_NE(0u, MenuItemState(*m_dlg, SC_MINIMIZE) & MF_GRAYED);
    Close();
    EXPECT_EQ(SW_SHOWMINIMIZED, m_profile.GetInt("Placement", "ShowCmd", -1));
    Open();
    EXPECT_TRUE(::IsIconic(*m_dlg));
    const std::string width = std::to_string(window.right - window.left);
    EXPECT_EQ("100,120 " + width, Normal());
    Close();
    // Stored beyond the desktop's right edge (all monitors), it comes back one icon inside.
    const int right =
        ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    m_profile.WriteInt("Placement", "ShowCmd", SW_SHOWNORMAL);
    m_profile.WriteInt("Placement", "x1", right + 50);
    m_profile.WriteInt("Placement", "x2", right + 50 + window.right - window.left);
    Open();
    EXPECT_EQ(std::to_string(right - ::GetSystemMetrics(SM_CXICON)) + ",120 " + width, Normal());
}

TEST_F(WindowState, StoredWidthsAreUsedOnlyWhileTheOptionIsOn) {
    for (int i = 0; i < 5; ++i)
        m_profile.WriteInt("List of Links", "Col " + std::to_string(i), 50 + i);
    Open();
    EXPECT_EQ((std::vector<int>{50, 51, 52, 53, 54}), Widths());
    ::SendMessageA(Item(IDC_LINK_LIST), LVM_SETCOLUMNWIDTH, 2, 99);
    Close();
    EXPECT_EQ(99, m_profile.GetInt("List of Links", "Col 2", 0));
    // Off: the design widths scaled to the list, and the widths still written at exit.
    m_profile.WriteInt("Misc", "Save Column Widths", 0);
    Open();
    RECT client;
    ::GetClientRect(Item(IDC_LINK_LIST), &client);
    const CColumnScaler scaler(client.right, 455, 5, false, 0);
    EXPECT_EQ((std::vector<int>{scaler.Scale(150), scaler.Scale(100), scaler.Scale(600),
                                scaler.Scale(160), scaler.Scale(160)}),
              Widths());
    ::SendMessageA(Item(IDC_LINK_LIST), LVM_SETCOLUMNWIDTH, 0, 42);
    Close();
    EXPECT_EQ(42, m_profile.GetInt("List of Links", "Col 0", 0));
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
    EXPECT_EQ("A|C|B", Text(IDC_TITLE) + "|" + Text(IDC_LINK) + "|" + Text(IDC_DESCRIPTION));
    EXPECT_EQ("A", m_dlg->GetList().GetAt(3)->m_strTitle.str());
    ClickRow(Item(IDC_LINK_LIST), 1);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 1"; }));
    EXPECT_EQ("http://example.com/1", ClipboardText());
}
