#include <gtest/gtest.h>

#include <climits>

#include "app/ColumnScaler.h"

namespace {

const int kLinkColumns[5] = {150, 100, 600, 160, 160};

}  // namespace

TEST(ColumnScaler, ListOfLinksAtDesignAndWiderWidths) {
    const CColumnScaler design(455, 455, 5, false, 17);
    const int atDesign[5] = {150, 100, 600, 160, 160};
    const CColumnScaler wider(610, 455, 5, false, 17);
    const int atWider[5] = {201, 134, 804, 214, 214};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(atDesign[i], design.Scale(kLinkColumns[i])) << "column " << i;
        EXPECT_EQ(atWider[i], wider.Scale(kLinkColumns[i])) << "column " << i;
    }
}

TEST(ColumnScaler, ScrollBarNarrowsTheList) {
    const CColumnScaler statistics(318, 300, 2, true, 17);
    EXPECT_EQ(300, statistics.m_nActualWidth);
    EXPECT_EQ(149, statistics.m_nRounding);
    EXPECT_EQ(225, statistics.Scale(225));
    EXPECT_EQ(75, statistics.Scale(75));
}

TEST(ColumnScaler, DegenerateSizesDoNotFault) {
    // No design width: the actual width stands in, so widths barely change.
    const CColumnScaler noDesign(400, 0, 3, false, 17);
    EXPECT_TRUE(noDesign.m_bDesignWasNegative);
    EXPECT_EQ(400, noDesign.m_nDesignPixels);
    EXPECT_EQ(85, noDesign.Scale(85));
    // A list of no width and no design width would divide by zero.
    EXPECT_EQ(40, CColumnScaler(0, -1, 3, false, 17).Scale(40));
    EXPECT_EQ(0, CColumnScaler(455, 455, 0, false, 17).m_nRounding);
    EXPECT_EQ(INT_MAX, CColumnScaler(INT_MAX, 1, 1, false, 17).Scale(INT_MAX));
}
