// The placement keeper on a plain top-level window and a report list: what it stores in the
// registry, and what a restore does to the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PlacementKeeper.h"
#include "app/RegistryProfile.h"
#include "tests/gui/TestRegistryRoot.h"

namespace {

std::string NormalRect(HWND hWnd) {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    ::GetWindowPlacement(hWnd, &wp);
    const RECT& r = wp.rcNormalPosition;
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

class Placement : public ::testing::Test {
protected:
    void SetUp() override {
        // A static control is a ready-made window class; WS_OVERLAPPEDWINDOW makes it top-level.
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Placement test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   100, 120, 400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_hWnd != nullptr);
    }
    void TearDown() override { ::DestroyWindow(m_hWnd); }
    void Store(int x1, int y1, int x2, int y2) {
        const int values[] = {0, SW_SHOWNORMAL, x1, y1, x2, y2};
        const char* const keys[] = {"Flags", "ShowCmd", "x1", "y1", "x2", "y2"};
        for (int i = 0; i < 6; ++i) m_root.SetDword("Placement", keys[i], values[i]);
    }

    CTestRegistryRoot m_root;
    CRegistryProfile m_profile{m_root.Path()};
    CPlacementKeeper m_keeper{m_profile};
    HWND m_hWnd = nullptr;
};

}  // namespace

TEST_F(Placement, StoreThenRestoreBringsTheWindowBack) {
    m_keeper.StorePlacement(m_hWnd);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), m_root.Query("Placement", "x1").type);
    EXPECT_EQ(100u, m_root.Query("Placement", "x1").Dword());
    EXPECT_EQ(420u, m_root.Query("Placement", "y2").Dword());

    ::MoveWindow(m_hWnd, 300, 200, 250, 150, TRUE);
    ASSERT_EQ("300,200-550,350", NormalRect(m_hWnd));
    EXPECT_TRUE(m_keeper.RestorePlacement(m_hWnd, false));
    EXPECT_EQ("100,120-500,420", NormalRect(m_hWnd));
    EXPECT_FALSE(::IsIconic(m_hWnd));
}

// The edges are the desktop's, across all monitors (under Wine, the one screen).
TEST_F(Placement, WindowStoredAtTheDesktopEdgeComesBackOneIconInside) {
    const int desktopRight =
        ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int right = desktopRight - ::GetSystemMetrics(SM_CXICON);
    const int bottom = ::GetSystemMetrics(SM_YVIRTUALSCREEN) +
                       ::GetSystemMetrics(SM_CYVIRTUALSCREEN) - ::GetSystemMetrics(SM_CYICON);
    Store(desktopRight, 50, desktopRight + 400, 350);
    EXPECT_TRUE(m_keeper.RestorePlacement(m_hWnd, false));
    EXPECT_EQ(std::to_string(right) + ",50-" + std::to_string(right + 400) + ",350",
              NormalRect(m_hWnd));

    Store(40, bottom + 500, 440, bottom + 800);
    EXPECT_TRUE(m_keeper.RestorePlacement(m_hWnd, false));
    EXPECT_EQ("40," + std::to_string(bottom) + "-440," + std::to_string(bottom + 300),
              NormalRect(m_hWnd));
}

TEST_F(Placement, IncompletePlacementChangesNothing) {
    const std::string before = NormalRect(m_hWnd);
    EXPECT_FALSE(m_keeper.RestorePlacement(m_hWnd, true));
    Store(-1, 50, 399, 350);  // a window partly off the left edge counts as not stored
    EXPECT_FALSE(m_keeper.RestorePlacement(m_hWnd, true));
    Store(10, 50, 410, 350);
    m_root.Set("Placement", "y2", REG_SZ, std::string("350", 4));
    EXPECT_FALSE(m_keeper.RestorePlacement(m_hWnd, true));
    EXPECT_EQ(before, NormalRect(m_hWnd));
    EXPECT_FALSE(::IsIconic(m_hWnd));
}

TEST_F(Placement, MinimisedRestoreKeepsTheNormalRectangle) {
    Store(60, 70, 460, 370);
    EXPECT_TRUE(m_keeper.RestorePlacement(m_hWnd, true));
    EXPECT_TRUE(::IsIconic(m_hWnd));
    EXPECT_EQ("60,70-460,370", NormalRect(m_hWnd));
}

TEST_F(Placement, ColumnWidthsAreStoredPerColumn) {
    HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 380, 200,
                                  m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_TRUE(list != nullptr);
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 50 + 20 * i;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    m_keeper.StoreColumnWidths(list, "Sorting");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), m_root.Query("Sorting", "Col 0").type);
    EXPECT_EQ(90u, m_root.Query("Sorting", "Col 2").Dword());
    EXPECT_FALSE(m_root.Query("Sorting", "Col 3").Exists());
    std::vector<int> widths;
    EXPECT_TRUE(m_keeper.ReadColumnWidths("Sorting", 3, widths));
    EXPECT_EQ((std::vector<int>{50, 70, 90}), widths);
}
