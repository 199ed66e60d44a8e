// The rules behind the options pages: the list of data files, the choice for New, the
// thousands separator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/NumberFormatter.h"
#include "options/DataFileNames.h"
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
