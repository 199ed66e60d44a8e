#include <gtest/gtest.h>

#include <climits>

#include "controls/NumberFormatter.h"

TEST(NumberFormatter, GroupsOfThreeFromTheRight) {
    const CNumberFormatter comma;
    EXPECT_EQ("0", comma.Format(0));
    EXPECT_EQ("1", comma.Format(1));
    EXPECT_EQ("999", comma.Format(999));
    EXPECT_EQ("1,000", comma.Format(1000));
    EXPECT_EQ("1,000,000", comma.Format(1000000));
    EXPECT_EQ("9,223,372,036,854,775,807", comma.Format(LLONG_MAX));
    EXPECT_EQ("0", comma.Format(-1000));
    EXPECT_EQ("0", comma.Format(LLONG_MIN));
}

TEST(NumberFormatter, SeparatorChoices) {
    EXPECT_EQ("1000000", CNumberFormatter(false, ',').Format(1000000));
    EXPECT_EQ("12 345", CNumberFormatter(true, ' ').Format(12345));
    EXPECT_EQ("1'000", CNumberFormatter(true, '\'').Format(1000));
    EXPECT_EQ("1.234.567", CNumberFormatter(true, '.').Format(1234567));
}

TEST(NumberFormatter, CountFormatsTakeNumberAndPluralSuffix) {
    const CNumberFormatter comma;
    EXPECT_STREQ("s", PluralSuffix(0));
    EXPECT_STREQ("", PluralSuffix(1));
    EXPECT_STREQ("s", PluralSuffix(-1));
    EXPECT_EQ("0 links", FormatCount("%s link%s", 0, comma));
    EXPECT_EQ("1 link", FormatCount("%s link%s", 1, comma));
    EXPECT_EQ("2 links", FormatCount("%s link%s", 2, comma));
    EXPECT_EQ("Delete 1,500 items?", FormatCount("Delete %s item%s?", 1500, comma));
    EXPECT_EQ("12 345 links", FormatCount("%s link%s", 12345, CNumberFormatter(true, ' ')));
}

TEST(NumberFormatter, StrayPercentSignsAreCopied) {
    const CNumberFormatter comma;
    EXPECT_EQ("100% of 3 files %d%n", FormatCount("100% of %s file%s %d%n", 3, comma));
    EXPECT_EQ("Found 1 file in %s second%s.",
              FormatCount("Found %s file%s in %s second%s.", 1, comma));
    EXPECT_EQ("only 5", FormatCount("only %s", 5, comma));
    EXPECT_EQ("ends with %", FormatCount("ends with %", 5, comma));
}
