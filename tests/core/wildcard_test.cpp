#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "search/Wildcards.h"

namespace {

// A copy of a text in a heap block of exactly its size with no terminating zero, so that the
// address sanitizer reports any read past the end of the view.
class CTight {
public:
    explicit CTight(std::string_view text)
        : m_bytes(std::make_unique<char[]>(text.size())), m_size(text.size()) {
        if (m_size) std::memcpy(m_bytes.get(), text.data(), m_size);
    }
    std::string_view view() const { return std::string_view(m_bytes.get(), m_size); }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
};

bool Matches(std::string_view pattern, std::string_view name, bool typos) {
    return MatchWildcards(CTight(pattern).view(), CTight(name).view(), typos);
}

struct SCase {
    const char* pattern;
    const char* name;
    bool exact;  // the result without typos
    bool typos;  // the result with typos
};

}  // namespace

TEST(Wildcards, PatternsWithAndWithoutTypos) {
    const SCase cases[] = {
        {"bookmark.htm*", "bookmark.htm", true, true},
        {"bookmark.htm*", "bookmark.html", true, true},
        {"BOOK*", "bookmark.htm", true, true},
        {"a?c", "abc", true, true},
        {"a?c", "ac", false, true},  // with typos: the '?' is missing
        {"*", "anything.txt", true, true},
        {"*", "", true, true},
        {"", "", true, true},
        {"", "a", false, false},
        {"a*", "", false, false},
        {"*.htm", "x.htm", true, true},
        {"*ab", "abab", false, false},  // the segment stays at the first place it fits
        {"*ab", "xxab", true, true},
        {"*a.htm", "a.htm.a.htm", false, false},
        {"a*b*c", "abxbc", true, true},
        {"bookmark", "bookmark.htm", false, false},  // no trailing '*'
        {"bookmark", "bokmark", false, true},        // missing
        {"bookmark", "bookmrak", false, true},       // swapped
        {"bookmark", "bookmarks", false, true},      // one extra at the end is absorbed
        {"bookmark", "bookmarkss", false, false},
        {"bookmark", "bookmar", false, true},   // last character missing
        {"bookmark", "bookxark", false, true},  // wrong
        {"bookmark", "xyz", false, false},
        {"*mark", "bookmrak", false, true},
        {"b*", "", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.exact, Matches(c.pattern, c.name, false))
            << "'" << c.pattern << "' against '" << c.name << "'";
        EXPECT_EQ(c.typos, Matches(c.pattern, c.name, true))
            << "'" << c.pattern << "' against '" << c.name << "' with typos";
    }
}

TEST(Wildcards, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(Matches("CAF\xE9.*", "caf\xE9.txt", false));
    EXPECT_FALSE(Matches("CAF\xC9.*", "caf\xE9.txt", false));
    EXPECT_FALSE(Matches("[", "{", false));
}

TEST(Wildcards, SegmentOffsets) {
    EXPECT_EQ(0, FindSegmentExact("ab", "abab", 2, true));
    EXPECT_EQ(2, FindSegmentExact("ab", "xxab", 2, true));
    EXPECT_EQ(kNoSegment, FindSegmentExact("ab", "xxab", 2, false));  // only offset 0
    EXPECT_EQ(kNoSegment, FindSegmentExact("abc", "xab", 3, true));
    EXPECT_EQ(kNoSegment, FindSegmentExact("a?*x", "za", 2, true));  // '?' needs a character
    EXPECT_EQ(1, FindSegmentExact("a?*x", "zab", 2, true));

    // With typos the result is where the name continues, less the segment's length.
    EXPECT_EQ(-1, FindSegmentTypo("bookmark", "bokmark", 8, false));
    EXPECT_EQ(1, FindSegmentTypo("bookmark", "bookmarks", 8, false));
    EXPECT_EQ(0, FindSegmentTypo("bookmark*", "bookmarks", 8, false));  // absorbed only at the end
    EXPECT_EQ(-1, FindSegmentTypo("bookmark", "bookmar", 8, false));
    EXPECT_EQ(4, FindSegmentTypo("mark", "booknark", 4, true));
    EXPECT_EQ(kNoSegment, FindSegmentTypo("mark", "booknark", 4, false));
}

TEST(Wildcards, BadSegmentArguments) {
    for (const int length : {0, -1, 3}) {
        EXPECT_EQ(kNoSegment, FindSegmentExact("ab", "ab", length, true)) << length;
        EXPECT_EQ(kNoSegment, FindSegmentTypo("ab", "ab", length, true)) << length;
    }
    EXPECT_EQ(kNoSegment, FindSegmentExact("a", "", 1, true));
}

TEST(Wildcards, SplitFileName) {
    struct SSplit {
        const char* string;
        const char* trimmed;
        const char* name;
        const char* extension;
        bool hasExtension;
    };
    const SSplit cases[] = {
        {"bookmark.htm", "bookmark.htm", "bookmark", "htm", true},
        {"bookmark.htm*", "bookmark.htm*", "bookmark", "htm*", true},
        {"a.b.c", "a.b.c", "a.b", "c", true},
        {"file...", "file", "file", "", false},
        {"a.b.", "a.b", "a", "b", true},
        {".profile", ".profile", "", "profile", true},
        {"...", "", "", "", false},
        {"", "", "", "", false},
    };
    for (const auto& c : cases) {
        std::string string = c.string;
        std::string name = "old";
        std::string extension = "old";
        EXPECT_EQ(c.hasExtension, SplitFileName(string, name, extension)) << c.string;
        EXPECT_EQ(c.trimmed, string) << c.string;
        EXPECT_EQ(c.name, name) << c.string;
        EXPECT_EQ(c.extension, extension) << c.string;
    }
}

// The finder splits both the pattern and the name and tests the extensions first.
TEST(Wildcards, SplitThenMatchAsTheFinderDoes) {
    std::string pattern = "bookmark.htm*";
    std::string patternName, patternExt;
    ASSERT_TRUE(SplitFileName(pattern, patternName, patternExt));
    auto finds = [&](std::string name, bool typos) {
        std::string nameName, nameExt;
        SplitFileName(name, nameName, nameExt);
        return MatchWildcards(patternExt, nameExt, typos) &&
               MatchWildcards(patternName, nameName, typos);
    };
    EXPECT_TRUE(finds("Bookmark.html", false));
    EXPECT_FALSE(finds("bokmark.html", false));
    EXPECT_TRUE(finds("bokmark.html", true));
    EXPECT_FALSE(finds("bookmark", true));  // no extension to match "htm*"
}
