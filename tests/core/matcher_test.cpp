#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "search/ExactMatcher.h"
#include "search/TypoMatcher.h"
#include "tests/core/TestSupport.h"

namespace {

bool Exact(std::string_view term, std::string_view text, bool emptyMatches = false) {
    return CExactMatcher(emptyMatches).Match(CTightText(text).view(), CTightText(term).view());
}

// The typos a match took, or -1 for no match.
int Typos(int separation, std::string_view term, std::string_view text) {
    CTypoMatcher matcher(separation, false);
    return matcher.Match(CTightText(text).view(), CTightText(term).view()) ? matcher.GetTypoCount()
                                                                           : -1;
}

// The reference: the term's words (split at each space) found one after the other, the first at
// the start, each later one after the whole run of white space following the word before it
// (the run may be empty, but a space needs a text character at its place), letters compared as
// the C library's toupper compares them.
bool ReferenceExact(const std::string& term, const std::string& text) {
    std::vector<std::string> words(1);
    for (const char c : term) c == ' ' ? words.emplace_back() : words.back() += c;
    const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (std::size_t start = 0; start < text.size() && !term.empty(); ++start) {
        std::size_t at = start;
        bool found = true;
        for (std::size_t w = 0; w < words.size() && found; ++w) {
            if (w > 0) found = at < text.size();
            while (w > 0 && at < text.size() && blank(text[at])) ++at;
            found = found && text.size() - at >= words[w].size() &&
                    std::equal(words[w].begin(), words[w].end(), text.begin() + at,
                               [&](char a, char b) { return upper(a) == upper(b); });
            at += words[w].size();
        }
        if (found) return true;
    }
    return false;
}

std::mt19937 g_random;
const char kAlphabet[] = {'a', 'A', 'b', 'c', '[', '{', ' ', ' ', '\t', '\r', '\n', '\xC9', '\xE9'};
std::string Pick(std::size_t maxLength) {
    std::string s(g_random() % (maxLength + 1), ' ');
    for (char& c : s) c = kAlphabet[g_random() % sizeof kAlphabet];
    return s;
}

}  // namespace

TEST(ExactMatcher, Examples) {
    const struct {
        const char* term;
        const char* text;
        bool found;
    } cases[] = {
        {"lo w", "Hello World", true},
        {"LOW", "Hello World", false},
        {"hello world", "Hello\r\nWorld", true},
        {"a b", "ab", true},
        {"a  b", "a \t\r\n b", true},
        {"a \tb", "a \tb", false},  // the space took the tab as well
        {"ab ", "ab", false},
        {"ab ", "ab c", true},
        {"   ", "x", true},
        {"aab", "aaab", true},
        {"CAF\xC9", "caf\xE9", false},
        {"caf\xE9", "CAF\xE9", true},
        {"[", "{", false},
        {"@x", "`x", false},  // bit 5 alone is no case
        {"XYZ", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaxyz", true},
        {"", "abc", false},
        {"a", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, Exact(c.term, c.text)) << "'" << c.term << "' in '" << c.text << "'";
    EXPECT_FALSE(Exact("", ""));
    EXPECT_TRUE(Exact("", "", true));
    EXPECT_FALSE(Exact("", "a", true));
    EXPECT_TRUE(Exact(std::string("\0B", 2), std::string("a\0b", 3)));  // zero is a character
    EXPECT_FALSE(CExactMatcher(false).Match(std::string_view("abcd", 3), "cd"));
}

TEST(ExactMatcher, AgreesWithAReferenceOnRandomTexts) {
    g_random.seed(20240611);
    int found = 0;
    for (int round = 0; round < 5000; ++round) {
        const std::string term = Pick(4);
        const std::string text = Pick(round % 4 ? 12 : 60);
        found += ReferenceExact(term, text);
        ASSERT_EQ(ReferenceExact(term, text), Exact(term, text)) << term << "|" << text;
    }
    EXPECT_GT(found, 500);  // both outcomes are common
}

TEST(TypoMatcher, Examples) {
    const struct {
        int separation;
        const char* term;
        const char* text;
        int typos;  // -1: not found
    } cases[] = {
        {2, "receive", "recieve", 1},
        {2, "misspell", "mispell", 1},
        {2, "abxdex", "abcdef", 2},
        {2, "abxdxf", "abcdef", -1},
        {1, "abxdxf", "abcdef", 2},
        {3, "abxdex", "abcdef", -1},
        {0, "abxdex", "abcdef", 2},
        {10, "abxdxf", "abcdef", -1},  // out of range: 2
        {2, "the cat", "teh cat", 1},
        {2, "thecat", "the cat", 1},
        {2, "abc", "ab c", 1},
        {2, "a bc", "abc", 1},
        {2, "abc", "ab", 1},
        {2, "abc", "abx", 1},
        {2, "b", "a", -1},
        {2, " ", "x", 1},                // one character: no typo but a space
        {9, "xbcdefgh", "abcdefgh", 1},  // the first typo never waits
        {2, "Receive", "RECIEVE", 1},
        {2, "abcd", "abxyd", -1},
        {3, "xbc de", "abcde", 2},  // a missing space never waits
        {2, "xbc de", "abcz de", 2},
        {3, "xbc de", "abcz de", -1},  // extra before a space waits
        {1, "xbc", "ab", 2},
        {2, "xbc", "ab", -1},  // so does a missing last one
        {2, "abcd", "xbcd abcd", 1},
        {2, "cat", "the cat", 1},  // the first start wins
        {2, "abc d", "bacd xxxxxxxxxxxxxxxxxx", 2},
        {2, "", "abc", -1},
        {2, "", "", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.typos, Typos(c.separation, c.term, c.text))
            << "'" << c.term << "' in '" << c.text << "', separation " << c.separation;
}

TEST(TypoMatcher, CountIsThatOfTheLastSuccess) {
    CTypoMatcher matcher(2, true);
    EXPECT_TRUE(matcher.Match("recieve", "receive"));
    EXPECT_FALSE(matcher.Match("zzzzzzz", "receive"));
    EXPECT_EQ(1, matcher.GetTypoCount());
    EXPECT_TRUE(matcher.Match("", ""));
    EXPECT_EQ(0, matcher.GetTypoCount());
}

// Match skips the starts where no attempt can succeed, yet must find the same first start as
// trying them all. The texts hold the term with a few random typos among random characters, and
// every prefix is tried, so that a later start taken for the first changes some result.
TEST(TypoMatcher, SkippingStartsChangesNothing) {
    g_random.seed(7);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string term = Pick(6);
        if (term.empty()) continue;
        std::string typed = term;
        for (int typo = g_random() % 3; typo > 0 && typed.size() >= 2; --typo) {
            const std::size_t at = g_random() % (typed.size() - 1);
            const char other = kAlphabet[g_random() % sizeof kAlphabet];
            const int kind = g_random() % 4;
            if (kind == 0) std::swap(typed[at], typed[at + 1]);
            if (kind == 1) typed.erase(at, 1);
            if (kind == 2) typed.insert(at, 1, other);
            if (kind == 3) typed[at] = other;
        }
        const std::string text = Pick(20) + typed + Pick(20);
        CTypoMatcher matcher(1 + round % 3, false);
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const CTightText prefix(std::string_view(text).substr(0, length));
            int expected = -1;
            for (std::size_t start = 0; start < length && expected < 0; ++start)
                if (!matcher.MatchAt(prefix.view(), term, start, expected)) expected = -1;
            const int typos = matcher.Match(prefix.view(), term) ? matcher.GetTypoCount() : -1;
            found += typos >= 0;
            ASSERT_EQ(expected, typos) << term << "|" << prefix.view() << "|" << round % 3 + 1;
        }
    }
    EXPECT_GT(found, 5000);
}
