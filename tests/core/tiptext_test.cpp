// The tips of the day: their texts, the centring of the first line, paging and the index that
// wraps, and the topic chooser's order.
#include <gtest/gtest.h>

#include <string>

#include "auxwnd/TipPager.h"
#include "auxwnd/TipText.h"
#include "auxwnd/TopicRecord.h"
#include "controls/HeaderSort.h"

TEST(TipText, SplitsAtTheFirstBar) {
    const struct {
        const char *raw, *text, *topic, *chooserTopic;
    } cases[] = {
        {"Wrap it. |Word Wrap", "Wrap it.", "Word Wrap", "Word Wrap"},
        {"No topic here.  ", "No topic here.  ", "", "(no topic)"},
        {"Lines\r\nand more. \r\n|  \tUndo/Redo", "Lines\r\nand more.", "Undo/Redo", "Undo/Redo"},
        {"a|b|c", "a", "b|c", "b|c"},
        {"Empty topic |", "Empty topic", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const CTipText tip = ParseTip(c.raw);
        EXPECT_EQ(c.text, tip.m_strText);
        EXPECT_EQ(c.topic, tip.m_strTopic);
        EXPECT_EQ(c.chooserTopic, TopicOfTip(c.raw));
    }
    EXPECT_EQ(22, ParseTipCount(" 22"));
    EXPECT_EQ(0, ParseTipCount("-4"));
    EXPECT_EQ(0, ParseTipCount("99999999999"));
}

TEST(TipText, FirstLineIsCentredWithWholeBlanks) {
    std::string_view line;
    EXPECT_TRUE(FirstLineOfTip("Welcome\r\nMore", line));
    EXPECT_EQ("Welcome", line);
    EXPECT_FALSE(FirstLineOfTip("One line only", line));
    const struct {
        int client, line, blank, blanks;
    } cases[] = {{400, 100, 3, 50}, {401, 100, 4, 37}, {100, 150, 3, 0}, {400, 100, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blanks);
        EXPECT_EQ(c.blanks, CentringBlanks(c.client, c.line, c.blank));
    }
}

TEST(TipPager, StoredIndexWrapsAndButtonsStopAtBothEnds) {
    const struct {
        int stored, shown;
    } cases[] = {{21, 21}, {22, 0}, {NextDayTipIndex(21), 0}, {NextDayTipIndex(4), 5}, {-3, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(c.shown, CTipPager(c.stored, 22).GetIndex());
    }
    CTipPager pager(0, 3);
    pager.Previous();
    EXPECT_EQ(0, pager.GetIndex());
    EXPECT_FALSE(pager.CanGoBack());
    pager.Last();
    pager.Next();
    EXPECT_EQ(2, pager.GetIndex());
    EXPECT_FALSE(pager.CanGoForward());
    EXPECT_TRUE(pager.CanGoBack());
}

TEST(TopicChooser, ColumnsCompareByNumberAndNaturalTopicAndASecondClickReverses) {
    const CTopicRecord tip2 = {2, "Topic 10"}, tip10 = {10, "topic 9"};
    EXPECT_LT(CompareTopicRecords(tip2, tip10, CTopicRecord::columnNumber, false), 0);
    EXPECT_GT(CompareTopicRecords(tip2, tip10, CTopicRecord::columnTopic, false), 0);
    EXPECT_LT(CompareTopicRecords(tip2, tip10, CTopicRecord::columnTopic, true), 0);
    EXPECT_EQ(0, CompareTopicRecords(tip2, tip10, CTopicRecord::columnNone, false));
    CHeaderSort sort;
    for (const auto& [column, reversed] :
         {std::pair{2, false}, {2, true}, {2, false}, {1, false}, {2, false}}) {
        sort.Click(column);
        EXPECT_EQ(reversed, sort.IsReversed()) << column;
    }
}
