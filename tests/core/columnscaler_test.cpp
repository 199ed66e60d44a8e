// Design column widths scaled to the list's actual width.
#include <gtest/gtest.h>

#include <climits>

#include "app/ColumnScaler.h"

TEST(ColumnScaler, ScalesToTheActualWidthAndSurvivesDegenerateSizes) {
    EXPECT_EQ(600, CColumnScaler(455, 455, 5, false, 17).Scale(600));
    EXPECT_EQ(201, CColumnScaler(610, 455, 5, false, 17).Scale(150));  // rounded per column
    EXPECT_EQ(804, CColumnScaler(610, 455, 5, false, 17).Scale(600));
    EXPECT_EQ(85, CColumnScaler(400, 0, 3, false, 17).Scale(85));  // no design width: as designed
    EXPECT_EQ(40, CColumnScaler(0, -1, 3, false, 17).Scale(40));   // no width at all: no division
    EXPECT_EQ(150, CColumnScaler(455, 455, 0, false, 17).Scale(150));
    EXPECT_EQ(INT_MAX, CColumnScaler(INT_MAX, 1, 1, false, 17).Scale(INT_MAX));
}
