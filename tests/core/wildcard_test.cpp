// File-name patterns with '*' and '?', exact or forgiving typing errors.
#include <gtest/gtest.h>

#include "search/Wildcards.h"
#include "tests/core/TestSupport.h"

// A segment stays where it first fits; without a trailing '*' the name must end with the pattern;
// with typos one extra character at the end is absorbed; only ASCII letters fold.
TEST(Wildcards, Examples) {
    // Pattern, name, and whether it matches exactly and with typos.
    for (const std::string& row :
         Split("bookmark.htm*|bookmark.htm|11;bookmark.htm*|Bookmark.HTML|11;a?c|abc|11;*||11;||11;"
               "*ab|xxab|11;"
               "a*b*c|abxbc|11;a?c|ac|01;bookmark|bokmark|01;bookmark|bookmrak|01;bookmark|"
               "bookmarks|01;"
               "bookmark|bookmar|01;*mark|bookmrak|01;CAF\xC9.*|caf\xE9.txt|01;|a|00;a*||00;*ab|"
               "abab|00;"
               "*a.htm|a.htm.a.htm|00;bookmark|bookmark.htm|00;bookmark|bookmarkss|00",
               ';')) {
        const std::vector<std::string> field = Split(row);
        for (const bool typos : {false, true})
            EXPECT_EQ(field[2][typos] == '1', MatchWildcards(CTightText(field[0]).view(),
                                                             CTightText(field[1]).view(), typos))
                << row << (typos ? " with typos" : "");
    }
}
