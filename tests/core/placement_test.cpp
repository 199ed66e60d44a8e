// The main window's placement and column widths as kept in the profile, and the rule that keeps a
// restored window reachable.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "app/MemoryProfile.h"
#include "app/Placement.h"

namespace {

std::string Rect(const CPlacement& p) {
    return std::to_string(p.x1) + "," + std::to_string(p.y1) + "-" + std::to_string(p.x2) + "," +
           std::to_string(p.y2);
}

}  // namespace

TEST(Placement, ReadingStopsAtTheFirstMinusOneOrMissingValueAndWidthsMustAllBePositive) {
    CMemoryProfile profile;
    CPlacement placement;
    WritePlacement(profile, {2, 3, 10, 20, 610, 420});
    ASSERT_TRUE(ReadPlacement(profile, placement));
    WritePlacement(profile, {0, 1, -1, 20, 610, 420});
    profile.ClearAccesses();
    EXPECT_FALSE(ReadPlacement(profile, placement));
    EXPECT_EQ(3u, profile.Accesses().size());  // Flags, ShowCmd, x1
    WritePlacement(profile, {0, 1, 5, 20, 610, 420});
    profile.Remove("Placement", "y2");
    EXPECT_FALSE(ReadPlacement(profile, placement));
    EXPECT_EQ("3 10,20-610,420", std::to_string(placement.showCmd) + " " + Rect(placement));
    WriteColumnWidths(profile, "List of Links", {150, 100, 600, 160, 160});
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

// A window at or beyond the right or bottom edge of the desktop (all monitors) is pulled back one
// icon inside, keeping its size; one left of or above it stays; extreme values do not overflow.
TEST(Placement, WindowAtOrBeyondTheRightOrBottomEdgeIsPulledBackKeepingItsSize) {
    const CScreenArea areas[] = {{0, 0, 1280, 1024},                     // one screen
                                 {-1920, 0, 3200, 1080},                 // another one left of it
                                 {0, 0, 3200, 1200},                     // another one right of it
                                 {INT_MAX, INT_MAX, INT_MAX, INT_MAX}};  // its far edge beyond int
    const std::string min = std::to_string(INT_MIN), max = std::to_string(INT_MAX);
    const std::tuple<int, int, int, int, int, std::string> cases[] = {
        {0, 1280, 20, 1880, 420, "1248,20-1848,420"},
        {0, 10, 1024, 610, 1424, "10,992-610,1392"},
        {0, 5000, 3000, 5200, 3100, "1248,992-1448,1092"},
        {0, 1247, 991, 1847, 1391, "1247,991-1847,1391"},
        {0, -500, -300, 100, 100, "-500,-300-100,100"},
        {1, -5000, 1060, -4400, 1460, "-5000,1048--4400,1448"},
        {1, 1280, 100, 1880, 500, "1248,100-1848,500"},
        {2, 2000, 1000, 2600, 1100, "2000,1000-2600,1100"},
        {2, 3200, 1200, 3800, 1600, "3168,1168-3768,1568"},
        {0, INT_MAX, INT_MAX, INT_MIN, INT_MIN, "1248,992-" + min + "," + min},
        {0, 2000, 2000, INT_MAX, INT_MAX,
         "1248,992-" + std::to_string(INT_MAX - 752) + "," + std::to_string(INT_MAX - 1008)},
        {3, INT_MAX, INT_MAX, 5, 5, max + "," + max + "-5,5"}};
    for (const auto& [area, x1, y1, x2, y2, expected] : cases) {
        CPlacement placement = {0, 1, x1, y1, x2, y2};
        KeepReachable(placement, areas[area], 32, 32);
        EXPECT_EQ(expected, Rect(placement)) << "area " << area << ": " << x1 << "," << y1;
    }
    CPlacement placement = {0, 1, INT_MAX, 0, INT_MIN, 0};
    KeepReachable(placement, {0, 0, INT_MIN, 0}, INT_MAX, 0);
    EXPECT_EQ(min + ",0-" + min + ",0", Rect(placement));
}
