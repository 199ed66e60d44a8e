#include <gtest/gtest.h>

#include <string>

#include "search/Wildcards.h"
#include "tests/core/TestSupport.h"

namespace {

bool Matches(std::string_view pattern, std::string_view name, bool typos) {
    return MatchWildcards(CTightText(pattern).view(), CTightText(name).view(), typos);
}

}  // namespace

TEST(Wildcards, Examples) {
    const struct {
        const char* pattern;
        const char* name;
        bool exact;  // without typos
        bool typos;  // with typos
    } cases[] = {
        {"bookmark.htm*", "bookmark.htm", true, true},
        {"bookmark.htm*", "Bookmark.HTML", true, true},
        {"a?c", "abc", true, true},
        {"a?c", "ac", false, true},  // the '?' is missing
        {"*", "", true, true},
        {"", "", true, true},
        {"", "a", false, false},
        {"a*", "", false, false},
        {"*ab", "abab", false, false},  // a segment stays where it first fits
        {"*ab", "xxab", true, true},
        {"*a.htm", "a.htm.a.htm", false, false},
        {"a*b*c", "abxbc", true, true},
        {"*.htm", "x.htm", true, true},
        {"bookmark", "bookmark.htm", false, false},  // no trailing '*'
        {"bookmark", "bokmark", false, true},
        {"bookmark", "bookmrak", false, true},
        {"bookmark", "bookmarks", false, true},  // one extra at the end is absorbed
        {"bookmark", "bookmarkss", false, false},
        {"bookmark", "bookmar", false, true},
        {"bookmark", "bookxark", false, true},
        {"*mark", "bookmrak", false, true},
        {"CAF\xC9.*", "caf\xE9.txt", false, true},  // only ASCII letters fold
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.exact, Matches(c.pattern, c.name, false)) << c.pattern << " " << c.name;
        EXPECT_EQ(c.typos, Matches(c.pattern, c.name, true)) << c.pattern << " " << c.name;
    }
}

TEST(Wildcards, SegmentOffsets) {
    EXPECT_EQ(2, FindSegmentExact("ab", "xxab", 2, true));
    EXPECT_EQ(kNoSegment, FindSegmentExact("ab", "xxab", 2, false));  // only offset 0
    EXPECT_EQ(kNoSegment, FindSegmentExact("a?*x", "za", 2, true));   // '?' needs a character
    EXPECT_EQ(1, FindSegmentExact("a?*x", "zab", 2, true));
    // With typos the name continues at result + length.
    EXPECT_EQ(-1, FindSegmentTypo("bookmark", "bokmark", 8, false));
    EXPECT_EQ(1, FindSegmentTypo("bookmark", "bookmarks", 8, false));
    EXPECT_EQ(0, FindSegmentTypo("bookmark*", "bookmarks", 8, false));  // absorbed only at the end
    EXPECT_EQ(4, FindSegmentTypo("mark", "booknark", 4, true));
    for (const int length : {0, -1, 3}) {
        EXPECT_EQ(kNoSegment, FindSegmentExact("ab", "ab", length, true)) << length;
        EXPECT_EQ(kNoSegment, FindSegmentTypo("ab", "ab", length, true)) << length;
    }
}

TEST(Wildcards, SplitFileName) {
    const struct {
        const char* string;
        const char* trimmed;
        const char* name;
        const char* extension;
        bool hasExtension;
    } cases[] = {
        {"bookmark.htm*", "bookmark.htm*", "bookmark", "htm*", true},
        {"a.b.c", "a.b.c", "a.b", "c", true},
        {"a.b..", "a.b", "a", "b", true},
        {"file...", "file", "file", "", false},
        {".profile", ".profile", "", "profile", true},
        {"...", "", "", "", false},
    };
    for (const auto& c : cases) {
        std::string string = c.string, name = "old", extension = "old";
        EXPECT_EQ(c.hasExtension, SplitFileName(string, name, extension)) << c.string;
        EXPECT_EQ(c.trimmed, string);
        EXPECT_EQ(c.name, name);
        EXPECT_EQ(c.extension, extension);
    }
}
