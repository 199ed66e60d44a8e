#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <regex>
#include <string>
#include <string_view>

#include "search/ExactMatcher.h"
#include "search/TypoMatcher.h"

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

bool Exact(std::string_view term, std::string_view text, bool emptyMatches = false) {
    CExactMatcher matcher(emptyMatches);
    return matcher.Match(CTight(text).view(), CTight(term).view());
}

struct SFound {
    bool found;
    int typos;
    friend bool operator==(const SFound& a, const SFound& b) {
        return a.found == b.found && (!a.found || a.typos == b.typos);
    }
    friend std::ostream& operator<<(std::ostream& out, const SFound& f) {
        return f.found ? out << "found with " << f.typos << " typo(s)" : out << "not found";
    }
};
const SFound kNotFound{false, 0};
SFound Typos(int n) {
    return SFound{true, n};
}

SFound Typo(int separation, std::string_view term, std::string_view text) {
    CTypoMatcher matcher(separation, false);
    const bool found = matcher.Match(CTight(text).view(), CTight(term).view());
    return SFound{found, matcher.GetTypoCount()};
}

struct SExactCase {
    const char* term;
    const char* text;
    bool found;
};

struct STypoCase {
    int separation;
    const char* term;
    const char* text;
    SFound expected;
};

}  // namespace

TEST(ExactMatcher, SpacesLettersAndEnds) {
    const SExactCase cases[] = {
        {"lo w", "Hello World", true},
        {"LOW", "Hello World", false},  // a letter does not match the text's space
        {"hello world", "Hello\r\nWorld", true},
        {"a b", "ab", true},  // a space stands for an empty run too
        {"a b", "a \t\r\n b", true},
        {"a  b", "a b", true},      // the first space takes the run, the second an empty one
        {"a \tb", "a \tb", false},  // the space took the tab as well
        {"ab ", "ab", false},       // a space needs a text character at its place
        {"ab ", "ab c", true},
        {"ab ", "xab  ", true},
        {" ", "x", true},  // only spaces: any non-empty text
        {"   ", "x", true},
        {"abc", "ab", false},
        {"x", "abcx", true},
        {"aab", "aaab", true},  // a failed attempt does not skip the starts inside it
        {"1.5", "v1.5", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, Exact(c.term, c.text)) << "'" << c.term << "' in '" << c.text << "'";
}

TEST(ExactMatcher, FoldsOnlyAsciiLetters) {
    EXPECT_FALSE(Exact("CAF\xC9", "caf\xE9"));  // É and é differ in their byte
    EXPECT_TRUE(Exact("caf\xE9", "CAF\xE9"));
    EXPECT_FALSE(Exact("\xC9t\xC9", "\xE9t\xE9"));
    // Bytes that differ from a letter's other case only in the same bit are not letters.
    EXPECT_FALSE(Exact("[", "{"));
    EXPECT_FALSE(Exact("@x", "`x"));
    EXPECT_FALSE(Exact(".", "\x0E"));
    EXPECT_TRUE(Exact("XYZ", std::string(37, 'a') + "xyz"));
    EXPECT_TRUE(Exact("xyz", std::string(37, 'a') + "XyZ" + std::string(37, 'a')));
}

TEST(ExactMatcher, EmptyTermAndText) {
    EXPECT_FALSE(Exact("", "abc"));
    EXPECT_FALSE(Exact("", "abc", true));
    EXPECT_FALSE(Exact("a", ""));
    EXPECT_FALSE(Exact("", ""));
    EXPECT_TRUE(Exact("", "", true));
    EXPECT_EQ(0, CExactMatcher(false).GetTypoCount());
}

TEST(ExactMatcher, ZeroBytesAreOrdinaryAndViewsEndWhereTheySay) {
    const std::string withZero("a\0b", 3);
    EXPECT_FALSE(Exact("ab", withZero));
    EXPECT_TRUE(Exact(std::string("\0B", 2), withZero));
    const char buffer[] = "abcd";
    CExactMatcher matcher(false);
    EXPECT_FALSE(matcher.Match(std::string_view(buffer, 3), "cd"));
}

// Each space of the term stands for the whole run of white space at its place, possibly empty,
// and, like every term character, needs a text character at its place. The reference expresses
// that as a regular expression (the lookahead capture makes the run possessive).
TEST(ExactMatcher, AgreesWithARegularExpressionOnRandomTexts) {
    const char alphabet[] = {'a', 'A', 'b', '[', '{', ' ', ' ', '\t', '\r', '\n', '\xC9', '\xE9'};
    std::mt19937 random(20240611);
    auto pick = [&](std::size_t maxLength) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char& c : s) c = alphabet[random() % sizeof alphabet];
        return s;
    };
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string term = pick(4);
        const std::string text = pick(round % 4 == 0 ? 40 : 10);
        bool expected = false;
        if (!term.empty()) {
            std::string expression;
            int group = 0;
            for (const char c : term) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                expression += c == ' '
                                  ? "(?=[\\s\\S])(?=([ \\t\\r\\n]*))\\" + std::to_string(++group)
                                  : std::string(hex);
            }
            expected = std::regex_search(text, std::regex(expression, std::regex::icase));
        }
        found += expected;
        ASSERT_EQ(expected, Exact(term, text)) << "'" << term << "' in '" << text << "'";
    }
    EXPECT_GT(found, 400);  // the alphabet is small enough for both outcomes to be common
}

TEST(TypoMatcher, TyposAndTheirSeparation) {
    const STypoCase cases[] = {
        {2, "receive", "recieve", Typos(1)},   // swapped
        {2, "misspell", "mispell", Typos(1)},  // missing
        {2, "abxdex", "abcdef", Typos(2)},     // two wrong, two exact between them
        {2, "abxdxf", "abcdef", kNotFound},    // only one exact between them
        {1, "abxdxf", "abcdef", Typos(2)},
        {3, "abxdex", "abcdef", kNotFound},
        {2, "the cat", "teh cat", Typos(1)},
        {2, "thecat", "the cat", Typos(1)},  // the text's space is an extra character
        {2, "abc", "ab c", Typos(1)},
        {2, "a bc", "abc", Typos(1)},  // missing space
        {2, "abc", "ab", Typos(1)},    // last character missing at the end
        {2, "abc", "abx", Typos(1)},   // wrong last character
        {2, "ab", "ba", Typos(1)},
        {2, "b", "a", kNotFound},  // a one-character term allows no typo
        {2, "b", "b", Typos(0)},
        {2, " ", "x", Typos(1)},  // but a missing space is still one
        {2, "xbcdefgh", "abcdefgh", Typos(1)},
        {9, "xbcdefgh", "abcdefgh", Typos(1)},  // the first typo never waits
        {2, "Receive", "RECIEVE", Typos(1)},
        {2, "cat", "cats", Typos(0)},
        {2, "abcd", "abxyd", kNotFound},            // two wrong characters in a row
        {2, "abc d", "bacd xxxxxxxxxx", Typos(2)},  // the swap at the start is the only match
        {2, "abc", "", kNotFound},
        {2, "", "abc", kNotFound},
        {2, "", "", kNotFound},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Typo(c.separation, c.term, c.text))
            << "'" << c.term << "' in '" << c.text << "', separation " << c.separation;
}

TEST(TypoMatcher, SpacesTakeTyposOfTheirOwn) {
    // A missing space is accepted right after another typo, whatever the separation.
    EXPECT_EQ(Typos(2), Typo(3, "xbc de", "abcde"));
    // A character typed before a space is an extra character and waits for the separation.
    EXPECT_EQ(Typos(2), Typo(2, "xbc de", "abcz de"));
    EXPECT_EQ(kNotFound, Typo(3, "xbc de", "abcz de"));
    // The missing last character waits for the separation too.
    EXPECT_EQ(Typos(2), Typo(1, "xbc", "ab"));
    EXPECT_EQ(kNotFound, Typo(2, "xbc", "ab"));
}

TEST(TypoMatcher, StopsAtTheFirstStartThatMatches) {
    // The later exact occurrences are not looked for.
    EXPECT_EQ(Typos(1), Typo(2, "abcd", "xbcd abcd"));
    EXPECT_EQ(Typos(1), Typo(2, "cat", "the cat"));  // the space before it is an extra character
}

TEST(TypoMatcher, SeparationOutsideOneToNineIsTwo) {
    for (const int separation : {0, 10, -5, 100}) {
        EXPECT_EQ(2, CTypoMatcher(separation, false).GetSeparation());
        EXPECT_EQ(Typos(2), Typo(separation, "abxdex", "abcdef")) << separation;
        EXPECT_EQ(kNotFound, Typo(separation, "abxdxf", "abcdef")) << separation;
    }
    EXPECT_EQ(1, CTypoMatcher(1, false).GetSeparation());
    EXPECT_EQ(9, CTypoMatcher(9, false).GetSeparation());
}

TEST(TypoMatcher, EmptyMatchesAndTheCountOfTheLastSuccess) {
    CTypoMatcher matcher(2, true);
    EXPECT_TRUE(matcher.Match("recieve", "receive"));
    EXPECT_EQ(1, matcher.GetTypoCount());
    EXPECT_FALSE(matcher.Match("zzzzzzz", "receive"));
    EXPECT_EQ(1, matcher.GetTypoCount());
    EXPECT_TRUE(matcher.Match("", ""));
    EXPECT_EQ(0, matcher.GetTypoCount());
    EXPECT_FALSE(matcher.Match("", "a"));
}

// Match skips the starts where no attempt can succeed; it must still find the same first start
// as trying every one of them. The texts hold the term with a few random typos amid random
// characters, long enough for the word-at-a-time filter; every prefix of a text is tried, so
// that a later start found instead of the first shows up as a different result.
TEST(TypoMatcher, SkippingStartsChangesNothing) {
    const char alphabet[] = {'a', 'B', 'b', 'c', 'd', '[', '{', ' ', '\t', '\n', '\xC9', '\xE9'};
    std::mt19937 random(7);
    auto pick = [&](std::size_t minLength, std::size_t maxLength) {
        std::string s(minLength + random() % (maxLength - minLength + 1), ' ');
        for (char& c : s) c = alphabet[random() % sizeof alphabet];
        return s;
    };
    auto withTypos = [&](std::string s) {
        for (int typos = static_cast<int>(random() % 3); typos > 0 && s.size() >= 2; --typos) {
            const std::size_t at = random() % (s.size() - 1);
            switch (random() % 4) {
                case 0:
                    std::swap(s[at], s[at + 1]);
                    break;
                case 1:
                    s.erase(at, 1);
                    break;
                case 2:
                    s.insert(at, 1, alphabet[random() % sizeof alphabet]);
                    break;
                default:
                    s[at] = alphabet[random() % sizeof alphabet];
                    break;
            }
        }
        return s;
    };
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        const int separation = 1 + round % 3;
        const std::string term = pick(1, 6);
        const std::string text = pick(0, 12) + withTypos(term) + pick(0, 12);
        CTypoMatcher matcher(separation, false);
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const CTight prefix(std::string_view(text).substr(0, length));
            SFound expected = kNotFound;
            for (std::size_t start = 0; start < length && !expected.found; ++start)
                expected.found = matcher.MatchAt(prefix.view(), term, start, expected.typos);
            const bool matched = matcher.Match(prefix.view(), term);
            found += matched;
            ASSERT_EQ(expected, (SFound{matched, matcher.GetTypoCount()}))
                << "'" << term << "' in '" << prefix.view() << "', separation " << separation;
        }
    }
    EXPECT_GT(found, 5000);
}
