// The rules behind the options pages: the list of data files, the choice for New, the
// thousands separator.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "controls/NumberFormatter.h"
#include "app/SaveJob.h"
#include "options/DataFileNames.h"
#include "store/LinkList.h"
#include "store/NewCategory.h"

TEST(Options, DataFileNamesAreTrimmedValidatedAndListedOnce) {
    CDataFileNames names({"C:\\a.dat"});
    EXPECT_EQ("C:\\b.dat", names.Commit("  C:\\b.dat \t"));
    EXPECT_EQ("C:\\A.DAT", names.Commit("C:\\A.DAT"));  // listed already, in another case
    EXPECT_EQ("", names.Commit("   "));
    const std::string longest(259, 'x');
    names.Commit(longest);
    names.Commit(longest + "y");
    EXPECT_EQ((std::vector<std::string>{"C:\\a.dat", "C:\\b.dat", longest}), names.Names());

    // Remove takes the name out, not in, and falls back on the default name when none is left.
    EXPECT_EQ("C:\\a.dat", names.Remove(" c:\\B.dat ", "C:\\Docs\\VeltrimLinks.dat"));
    EXPECT_EQ("C:\\a.dat", names.Remove("C:\\unlisted.dat", "C:\\Docs\\VeltrimLinks.dat"));
    names.Remove(longest, "d");
    EXPECT_EQ("C:\\Docs\\VeltrimLinks.dat",
              names.Remove("C:\\a.dat", "C:\\Docs\\VeltrimLinks.dat"));
    EXPECT_EQ((std::vector<std::string>{"C:\\Docs\\VeltrimLinks.dat"}), names.Names());
}

TEST(Options, NewChoiceStartsWithTheKeywordsAndFallsBackOnLast) {
    const std::vector<std::string> choices = NewCategoryChoices({"News", "Work"});
    EXPECT_EQ((std::vector<std::string>{"LAST", "NONE", "News", "Work"}), choices);
    EXPECT_EQ(3, FindNewCategoryChoice(choices, "work"));
    EXPECT_EQ(1, FindNewCategoryChoice(choices, "NONE"));
    EXPECT_EQ(0, FindNewCategoryChoice(choices, "Deleted"));
}

TEST(Options, SeparatorChoices) {
    struct {
        ESeparatorChoice choice;
        const char* other;
        char separator;
    } const cases[] = {
        {ESeparatorChoice::comma, "", ','}, {ESeparatorChoice::dot, "x", '.'},
        {ESeparatorChoice::space, "", ' '}, {ESeparatorChoice::other, "'", '\''},
        {ESeparatorChoice::other, "", ','}, {ESeparatorChoice::other, "ab", ','},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.separator, SeparatorOfChoice(c.choice, c.other)) << c.other;
        if (c.separator != ',' || c.choice == ESeparatorChoice::comma) {
            EXPECT_EQ(c.choice, ChoiceOfSeparator(c.separator));
        }
    }
}

// Renaming a to b and b to c in one opening turns a into b and b into c: each record once.
TEST(Options, CategoryRenamesLookEachRecordUpOnce) {
    CLinkList list;
    const CDateTime when(46023.0, CDateTime::valid);
    for (const char* category : {"a", "b", "A", ""})
        list.AddLinkItem("t", "", "", category, when, when);
    std::map<std::string, std::string> renames = {{"a", "b"}, {"b", "c"}};
    EXPECT_TRUE(list.RenameCategories(renames));
    EXPECT_TRUE(renames.empty());
    std::string categories;
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        categories += list.GetAt(row)->m_strCategory.str() + "|";
    EXPECT_EQ("b|c|A||", categories);
    EXPECT_FALSE(list.RenameCategories(renames));
}

TEST(Options, AutoSaveTimerFollowsTheOptionAndTheInterval) {
    EXPECT_EQ(ETimerChange::stop, AutoSaveTimerChange(true, 2, false, 2));
    EXPECT_EQ(ETimerChange::start, AutoSaveTimerChange(false, 2, true, 4));
    EXPECT_EQ(ETimerChange::restart, AutoSaveTimerChange(true, 2, true, 3));
    EXPECT_EQ(ETimerChange::none, AutoSaveTimerChange(true, 2, true, 2));
}
