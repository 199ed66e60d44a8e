// The Statistics window's counts and its selection sum.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auxwnd/CategoryStatistics.h"
#include "controls/NumberFormatter.h"
#include "store/LinkList.h"

namespace {

// "NAME=COUNT" for every row, in order.
std::string Rows(const CLinkList& list) {
    const CCategoryStatistics statistics(list);
    std::string text;
    for (std::size_t i = 0; i < statistics.Names().size(); ++i)
        text +=
            (i ? " " : "") + statistics.Names()[i] + "=" + std::to_string(statistics.Counts()[i]);
    return text;
}

}  // namespace

TEST(Statistics, OnlyAnExactlyListedCategoryCounts) {
    CLinkList list;
    for (const char* name : {"Work", "Item 10", "Item 9"}) list.Categories().AddIfAbsent(name);
    EXPECT_EQ("TOTAL=0 SELECTED=0 NO CATEGORY=0 Item 9=0 Item 10=0 Work=0", Rows(list));
    const CDateTime when(46023.0, CDateTime::valid);
    for (const char* category : {"Work", "work", "", "Work ", "Item 9", "Item 10", "Work", "Other"})
        ASSERT_TRUE(list.AddLinkItem("t", "l", "d", category, when, when));
    list.SetSelected(1, 2, true);
    // The categories and NO CATEGORY add up to TOTAL.
    EXPECT_EQ("TOTAL=8 SELECTED=2 NO CATEGORY=4 Item 9=1 Item 10=1 Work=2", Rows(list));
}

TEST(Statistics, SumOfTheChosenRows) {
    const struct {
        std::vector<long long> counts;
        const char* text;
    } cases[] = {{{3, 4}, "7 items"}, {{1}, "1 item"}, {{0}, "0 items"}, {{999, 1}, "1,000 items"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text, ItemSumText(c.counts, CNumberFormatter()));
    }
}
