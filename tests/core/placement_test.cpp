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

// The rectangle after KeepReachable on a 1280 x 1024 screen with 32 x 32 icons.
std::string Reachable(int x1, int y1, int x2, int y2) {
    CPlacement placement = {0, 1, x1, y1, x2, y2};
    KeepReachable(placement, 1280, 1024, 32, 32);
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
    EXPECT_EQ("1248,20-1848,420", Reachable(1280, 20, 1880, 420));
    EXPECT_EQ("10,992-610,1392", Reachable(10, 1024, 610, 1424));
    EXPECT_EQ("1248,992-1448,1092", Reachable(5000, 3000, 5200, 3100));
    EXPECT_EQ("1247,991-1847,1391", Reachable(1247, 991, 1847, 1391));
    // Left of or above the screen stays where it is.
    EXPECT_EQ("-500,-300-100,100", Reachable(-500, -300, 100, 100));
}

TEST(Placement, ExtremeStoredRectanglesDoNotOverflow) {
    const std::string min = std::to_string(INT_MIN);
    EXPECT_EQ("1248,992-" + min + "," + min, Reachable(INT_MAX, INT_MAX, INT_MIN, INT_MIN));
    EXPECT_EQ("1248,992-" + std::to_string(INT_MAX - 752) + "," + std::to_string(INT_MAX - 1008),
              Reachable(2000, 2000, INT_MAX, INT_MAX));
    CPlacement placement = {0, 1, INT_MAX, 0, INT_MIN, 0};
    KeepReachable(placement, INT_MIN, 0, INT_MAX, 0);
    EXPECT_EQ(min + ",0-" + min + ",0", Rect(placement));
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
