// What Save takes from the editor's fields, when Save presses write the file, and the Category
// field after New.
#include <gtest/gtest.h>

#include "store/CategoryList.h"
#include "store/EditorSave.h"
#include "store/NewCategory.h"
#include "store/SavePressPolicy.h"

// The fields are trimmed of the six spaces (a no-break space is text), the Description before
// its lines are taken. With the options on, the first and the last line of the Description move
// into an empty Title and an empty Link; a lone CR or LF ends a line too.
TEST(EditorSave, FieldsAreTrimmedAndDescriptionLinesMoveIntoEmptyTitleAndLink) {
    const auto saved = [](const char* title, const char* description, bool toTitle, bool toLink) {
        const CEditorSave save(title, "", description, " \t\r\n\v\f\xA0 c \xA0\f", toTitle, toLink);
        return save.GetTitle() + "|" + save.GetLink() + "|" + save.GetDescription() + "|" +
               save.GetCategory() + (save.IsTitleMoved() ? "*" : "") +
               (save.IsLinkMoved() ? "*" : "");
    };
    EXPECT_EQ("A|C|B|\xA0 c \xA0**", saved("", "A\r\nB\r\nC", true, true));
    EXPECT_EQ("First|http://x|middle|\xA0 c \xA0**",
              saved(" ", " First \r\n\r\n middle \r\n http://x \r\n", true, true));
    EXPECT_EQ("||Only one line|\xA0 c \xA0", saved("", "Only one line\r\n", true, true));
    EXPECT_EQ("|C|A\nB|\xA0 c \xA0*", saved("", "A\nB\rC", false, true));
    EXPECT_EQ("T|B|A|\xA0 c \xA0*", saved("T", "A\r\nB", true, true));
    EXPECT_EQ("||A\r\nB|\xA0 c \xA0", saved("", "A\r\nB", false, false));
    const CEditorSave blank(" \t", "\r\n", "\v\f ", "New category", true, true);
    EXPECT_FALSE(blank.HasContent());
    EXPECT_EQ("", blank.GetCategory());
}

TEST(SavePressPolicy, LimitFiveWritesOnTheFifthPressAndRestartsOnlyAfterASuccess) {
    const CSavePressPolicy policy(true, 5);
    CSavePressPolicy::CPress press;
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE((press = policy.Press(press.m_nSavePresses)).m_bWriteNow);
    for (const bool written : {false, true}) {
        press = policy.Press(press.m_nSavePresses);
        ASSERT_TRUE(press.m_bWriteNow);
        CSavePressPolicy::WriteFinished(press, written);
        EXPECT_EQ(written ? 0 : 5, press.m_nSavePresses);
        EXPECT_EQ(!written, press.m_bModified);
    }
    EXPECT_FALSE(CSavePressPolicy(false, 1).Press(3).m_bWriteNow);
}

// "LAST" keeps the field, "NONE" empties it, other values select a listed name without regard to
// case; the keywords are case-sensitive, and an unlisted name keeps the field too.
TEST(NewCategory, KeywordsAreCaseSensitiveAndNamesMatchWithoutCase) {
    CCategoryList categories;
    for (const char* name : {"Last", "News", "work"}) categories.AddIfAbsent(name);
    EXPECT_EQ(CNewCategory::keep, ChooseNewCategory("LAST", categories).action);
    EXPECT_EQ(CNewCategory::empty, ChooseNewCategory("NONE", categories).action);
    EXPECT_EQ(CNewCategory::select, ChooseNewCategory("last", categories).action);
    EXPECT_EQ(0, ChooseNewCategory("last", categories).index);
    EXPECT_EQ(1, ChooseNewCategory("NEWS", categories).index);
    for (const char* unlisted : {"Sports", "none"})
        EXPECT_EQ(CNewCategory::keep, ChooseNewCategory(unlisted, categories).action) << unlisted;
}
