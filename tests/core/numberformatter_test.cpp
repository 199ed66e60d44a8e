// Counts with thousands separators, and the count messages built from them.
#include <gtest/gtest.h>

#include <climits>

#include "controls/NumberFormatter.h"

TEST(NumberFormatter, GroupsOfThreeFromTheRightNothingBelowZeroAndStrayPercentSignsCopied) {
    EXPECT_EQ("9,223,372,036,854,775,807", CNumberFormatter().Format(LLONG_MAX));
    EXPECT_EQ("999|1.000|0|0", CNumberFormatter(true, '.').Format(999) + "|" +
                                   CNumberFormatter(true, '.').Format(1000) + "|" +
                                   CNumberFormatter().Format(-1000) + "|" +
                                   CNumberFormatter().Format(LLONG_MIN));
    EXPECT_EQ("1000000", CNumberFormatter(false, ',').Format(1000000));
    EXPECT_EQ("1 link", FormatCount("%s link%s", 1, CNumberFormatter()));
    EXPECT_EQ("Delete 1 500 items?",
              FormatCount("Delete %s item%s?", 1500, CNumberFormatter(true, ' ')));
    EXPECT_EQ("100% of 3 files %d%n", FormatCount("100% of %s file%s %d%n", 3, CNumberFormatter()));
    EXPECT_EQ("ends with %", FormatCount("ends with %", 5, CNumberFormatter()));
}
