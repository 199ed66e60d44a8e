#include <gtest/gtest.h>

#include "store/CategoryList.h"
#include "store/EditorSave.h"
#include "store/NewCategory.h"
#include "store/SavePressPolicy.h"
#include "store/TextTrim.h"

namespace {

CEditorSave SaveDescription(const char* description, bool moveToTitle, bool moveToLink) {
    return CEditorSave("", "", description, "", moveToTitle, moveToLink);
}

}  // namespace

TEST(TextTrim, RemovesTheSixSpacesAtBothEndsOnly) {
    EXPECT_EQ("a \t b", TrimText(" \t\r\n\v\fa \t b\f\v\n\r\t "));
    EXPECT_EQ("", TrimText(" \r\n "));
    // A no-break space of the ANSI code page is text.
    EXPECT_EQ("\xA0x\xA0", TrimText("\xA0x\xA0"));
}

TEST(EditorSave, BothMovesTakeFirstAndLastDescriptionLinesTrimmed) {
    const CEditorSave save = SaveDescription("A\r\nB\r\nC", true, true);
    ASSERT_TRUE(save.HasContent());
    EXPECT_EQ("A|C|B", save.GetTitle() + "|" + save.GetLink() + "|" + save.GetDescription());
    EXPECT_TRUE(save.IsTitleMoved() && save.IsLinkMoved());

    const CEditorSave spaced(" ", "\t", " First \r\n\r\n middle \r\n http://x \r\n", " News ", true,
                             true);
    EXPECT_EQ("First|http://x|middle|News", spaced.GetTitle() + "|" + spaced.GetLink() + "|" +
                                                spaced.GetDescription() + "|" +
                                                spaced.GetCategory());
}

TEST(EditorSave, OneLineMovesNothingAndATrailingBreakIsTrimmedAway) {
    const CEditorSave oneLine = SaveDescription("Only one line", true, true);
    EXPECT_EQ("", oneLine.GetTitle() + oneLine.GetLink());
    EXPECT_FALSE(oneLine.IsTitleMoved() || oneLine.IsLinkMoved());

    const CEditorSave trailing = SaveDescription("Only line\r\n", false, true);
    EXPECT_EQ("", trailing.GetLink());
    EXPECT_FALSE(trailing.IsLinkMoved());
    EXPECT_EQ("Only line", trailing.GetDescription());
    // The Description is trimmed before its last line is taken: the last line with text moves.
    EXPECT_EQ("B", SaveDescription("A\r\nB\r\n", false, true).GetLink());
}

TEST(EditorSave, LoneCrAndLfEndLinesAndTheLaterBreakIsTheLast) {
    const CEditorSave crLast = SaveDescription("A\nB\rC", false, true);
    EXPECT_EQ("C", crLast.GetLink());
    EXPECT_EQ("A\nB", crLast.GetDescription());
    // The last-line move works on what the first-line move left.
    const CEditorSave twoLines = SaveDescription("A\rB", true, true);
    EXPECT_EQ("A|B|",
              twoLines.GetTitle() + "|" + twoLines.GetLink() + "|" + twoLines.GetDescription());
}

TEST(EditorSave, FilledFieldsOptionsOffAndBlankFields) {
    const CEditorSave filled("T", "L", "A\r\nB", "", true, true);
    EXPECT_EQ("T|L|A\r\nB",
              filled.GetTitle() + "|" + filled.GetLink() + "|" + filled.GetDescription());
    EXPECT_EQ("A\r\nB", SaveDescription("A\r\nB", false, false).GetDescription());

    const CEditorSave blank(" \t", "\r\n", "\v\f ", "New category", true, true);
    EXPECT_FALSE(blank.HasContent());
    EXPECT_EQ("", blank.GetCategory());
}

TEST(SavePressPolicy, LimitFiveWritesOnTheFifthPressAndRestartsOnlyAfterASuccess) {
    const CSavePressPolicy policy(true, 5);
    int presses = 0;
    for (int i = 1; i <= 4; ++i) {
        const CSavePressPolicy::CPress press = policy.Press(presses);
        EXPECT_FALSE(press.m_bWriteNow);
        EXPECT_TRUE(press.m_bModified);
        presses = press.m_nSavePresses;
    }
    CSavePressPolicy::CPress fifth = policy.Press(presses);
    ASSERT_TRUE(fifth.m_bWriteNow);
    CSavePressPolicy::WriteFinished(fifth, false);
    EXPECT_EQ(5, fifth.m_nSavePresses);
    EXPECT_TRUE(fifth.m_bModified);

    CSavePressPolicy::CPress sixth = policy.Press(fifth.m_nSavePresses);
    ASSERT_TRUE(sixth.m_bWriteNow);
    CSavePressPolicy::WriteFinished(sixth, true);
    EXPECT_EQ(0, sixth.m_nSavePresses);
    EXPECT_FALSE(sixth.m_bModified);
}

TEST(SavePressPolicy, LimitOneWritesEveryPressAndOffNeverWrites) {
    EXPECT_TRUE(CSavePressPolicy(true, 1).Press(0).m_bWriteNow);
    const CSavePressPolicy::CPress off = CSavePressPolicy(false, 1).Press(3);
    EXPECT_FALSE(off.m_bWriteNow);
    EXPECT_TRUE(off.m_bModified);
    EXPECT_EQ(3, off.m_nSavePresses);
}

TEST(NewCategory, KeywordsAreCaseSensitiveAndNamesMatchWithoutCase) {
    CCategoryList categories;
    for (const char* name : {"Last", "News", "work"}) categories.AddIfAbsent(name);
    EXPECT_EQ(CNewCategory::keep, ChooseNewCategory("LAST", categories).action);
    EXPECT_EQ(CNewCategory::empty, ChooseNewCategory("NONE", categories).action);

    const CNewCategory last = ChooseNewCategory("last", categories);
    EXPECT_EQ(CNewCategory::select, last.action);
    EXPECT_EQ(categories.Find("Last"), last.index);
    EXPECT_EQ(categories.Find("News"), ChooseNewCategory("NEWS", categories).index);
    // Unlisted names, and the keywords in another case, keep the field's text.
    EXPECT_EQ(CNewCategory::keep, ChooseNewCategory("Sports", categories).action);
    EXPECT_EQ(CNewCategory::keep, ChooseNewCategory("none", categories).action);
}
