#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/MemoryProfile.h"
#include "app/Placement.h"

namespace {

std::string Rect(const CPlacement& p) {
    return std::to_string(p.x1) + "," + std::to_string(p.y1) + "-" + std::to_string(p.x2) + "," +
           std::to_string(p.y2);
}

// A single 1280 x 1024 screen.
const CScreenArea kPrimary = {0, 0, 1280, 1024};

// The rectangle after KeepReachable on `area` with 32 x 32 icons.
std::string Reachable(int x1, int y1, int x2, int y2, const CScreenArea& area = kPrimary) {
    CPlacement placement = {0, 1, x1, y1, x2, y2};
    KeepReachable(placement, area, 32, 32);
    return Rect(placement);
}

}  // namespace

TEST(Placement, ReadingStopsAtTheFirstMinusOneAndChangesNothing) {
    CMemoryProfile profile;
    WritePlacement(profile, {2, 3, 10, 20, 610, 420});
    CPlacement placement;
    ASSERT_TRUE(ReadPlacement(profile, placement));
    EXPECT_EQ(3, placement.showCmd);
    EXPECT_EQ("10,20-610,420", Rect(placement));

    WritePlacement(profile, {0, 1, -1, 20, 610, 420});
    profile.ClearAccesses();
    EXPECT_FALSE(ReadPlacement(profile, placement));
    EXPECT_EQ("10,20-610,420", Rect(placement));
    EXPECT_EQ(3u, profile.Accesses().size());  // Flags, ShowCmd, x1

    WritePlacement(profile, {0, 1, 5, 20, 610, 420});
    profile.Remove("Placement", "y2");
    EXPECT_FALSE(ReadPlacement(profile, placement));
    EXPECT_EQ("10,20-610,420", Rect(placement));
}

TEST(Placement, WindowAtOrBeyondTheRightOrBottomEdgeIsPulledBackKeepingItsSize) {
    // A 1920 x 1080 monitor left of the primary one, with their tops aligned.
    const CScreenArea left = {-1920, 0, 3200, 1080};
    // A 1920 x 1200 monitor right of the primary one.
    const CScreenArea right = {0, 0, 3200, 1200};
    // A 1280 x 1024 monitor above the primary one.
    const CScreenArea above = {0, -1024, 1280, 2048};
    const struct {
        CScreenArea area;
        int x1, y1, x2, y2;
        const char* expected;
    } cases[] = {
        {kPrimary, 1280, 20, 1880, 420, "1248,20-1848,420"},
        {kPrimary, 10, 1024, 610, 1424, "10,992-610,1392"},
        {kPrimary, 5000, 3000, 5200, 3100, "1248,992-1448,1092"},
        {kPrimary, 1248, 992, 1848, 1392, "1248,992-1848,1392"},
        {kPrimary, 1247, 991, 1847, 1391, "1247,991-1847,1391"},
        // Left of or above the screen stays where it is.
        {kPrimary, -500, -300, 100, 100, "-500,-300-100,100"},
        // The desktop's right edge is the primary one's when the other monitor is on the left.
        {left, -1500, 100, -900, 500, "-1500,100--900,500"},
        {left, -5000, 1060, -4400, 1460, "-5000,1048--4400,1448"},
        {left, 1280, 100, 1880, 500, "1248,100-1848,500"},
        {right, 2000, 1000, 2600, 1100, "2000,1000-2600,1100"},
        {right, 3200, 1200, 3800, 1600, "3168,1168-3768,1568"},
        {right, 1248, 1168, 1848, 1568, "1248,1168-1848,1568"},
        {above, 100, -1000, 700, -600, "100,-1000-700,-600"},
        {above, 1300, 1100, 1900, 1500, "1248,992-1848,1392"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, Reachable(c.x1, c.y1, c.x2, c.y2, c.area))
            << c.area.left << "," << c.area.top << " " << c.area.width << "x" << c.area.height
            << ": " << c.x1 << "," << c.y1;
    }
}

TEST(Placement, ExtremeStoredRectanglesDoNotOverflow) {
    const std::string min = std::to_string(INT_MIN);
    EXPECT_EQ("1248,992-" + min + "," + min, Reachable(INT_MAX, INT_MAX, INT_MIN, INT_MIN));
    EXPECT_EQ("1248,992-" + std::to_string(INT_MAX - 752) + "," + std::to_string(INT_MAX - 1008),
              Reachable(2000, 2000, INT_MAX, INT_MAX));
    CPlacement placement = {0, 1, INT_MAX, 0, INT_MIN, 0};
    KeepReachable(placement, {0, 0, INT_MIN, 0}, INT_MAX, 0);
    EXPECT_EQ(min + ",0-" + min + ",0", Rect(placement));
    // An area whose far edge lies beyond the int range pulls nothing back.
    const CScreenArea huge = {INT_MAX, INT_MAX, INT_MAX, INT_MAX};
    EXPECT_EQ(Rect({0, 1, INT_MAX, INT_MAX, 5, 5}), Reachable(INT_MAX, INT_MAX, 5, 5, huge));
}

TEST(Placement, ColumnWidthsReadBackOnlyWhenEveryOneIsPositive) {
    CMemoryProfile profile;
    WriteColumnWidths(profile, "List of Links", {150, 100, 600, 160, 160});
    EXPECT_EQ(600, profile.RawInt("List of Links", "Col 2"));
    std::vector<int> widths;
    ASSERT_TRUE(ReadColumnWidths(profile, "List of Links", 5, widths));
    EXPECT_EQ((std::vector<int>{150, 100, 600, 160, 160}), widths);

    for (const int stored : {0, -20}) {
        profile.PutInt("List of Links", "Col 3", stored);
        EXPECT_FALSE(ReadColumnWidths(profile, "List of Links", 5, widths)) << stored;
    }
    EXPECT_TRUE(ReadColumnWidths(profile, "List of Links", 3, widths));
    EXPECT_FALSE(ReadColumnWidths(profile, "Statistics", 2, widths));
}
