#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/CompareNatural.h"

using namespace std::string_literals;

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Every text of up to three characters over a small alphabet of digits, letters of both cases,
// punctuation and a high byte.
std::vector<std::string> SmallTexts() {
    const std::string alphabet = "01a9B_\xE9";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0, length = 1; length <= 3; ++length) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i)
            for (char c : alphabet) texts.push_back(texts[i] + c);
        from = to;
    }
    return texts;
}

}  // namespace

TEST(CompareNatural, DigitRunsCompareByValue) {
    EXPECT_LT(CompareNatural("a2", "a10"), 0);
    EXPECT_GT(CompareNatural("a10", "a2"), 0);
    EXPECT_EQ(0, CompareNatural("007", "7"));
    EXPECT_EQ(0, CompareNatural("a007b", "a7b"));
    EXPECT_LT(CompareNatural("a007b", "a7c"), 0);
    EXPECT_LT(CompareNatural("x9y", "x10"), 0);
    EXPECT_EQ(0, CompareNatural("0", "000"));
}

TEST(CompareNatural, DigitRunsOfAnyLengthDoNotOverflow) {
    const std::string thirty(29, '9');
    EXPECT_LT(CompareNatural(thirty + "1", thirty + "2"), 0);
    EXPECT_GT(CompareNatural("n" + thirty + "2", "n" + thirty + "1"), 0);
    const std::string digits25 = "1" + std::string(24, '0');
    const std::string digits24(24, '9');
    EXPECT_GT(CompareNatural(digits25, digits24), 0);
    EXPECT_LT(CompareNatural(digits24, digits25), 0);
    // Leading zeros do not make a run longer.
    EXPECT_LT(CompareNatural(std::string(40, '0') + "1", "2"), 0);
    EXPECT_EQ(0, CompareNatural(std::string(40, '0') + digits24, digits24));
}

TEST(CompareNatural, EndOfTextAndCase) {
    EXPECT_LT(CompareNatural("abc", "abcd"), 0);
    EXPECT_GT(CompareNatural("abcd", "abc"), 0);
    EXPECT_EQ(0, CompareNatural("", ""));
    EXPECT_EQ(0, CompareNatural("News", "nEWS"));
    EXPECT_LT(CompareNatural("apple", "Banana"), 0);
    EXPECT_LT(CompareNatural("Apple", "banana"), 0);
    // Only ASCII letters fold: E-acute and its capital stay different.
    EXPECT_NE(0, CompareNatural("\xE9", "\xC9"));
}

TEST(CompareNatural, HighBytesSortBeforeAscii) {
    EXPECT_LT(CompareNatural("\xE9", "a"), 0);
    EXPECT_LT(CompareNatural("\x80", "\x01"), 0);
    EXPECT_LT(CompareNatural("\xFF", "0"), 0);
    EXPECT_LT(CompareNatural("caf\xE9", "cafe"), 0);
    // The ended text counts as 0, so a high byte also sorts before the end of text.
    EXPECT_LT(CompareNatural("ab\xE9", "ab"), 0);
    EXPECT_GT(CompareNatural("ab", "ab\xE9"), 0);
}

TEST(CompareNatural, ZeroByteEndsTheText) {
    EXPECT_EQ(0, CompareNatural("a\0b"s, "a"));
    EXPECT_EQ(0, CompareNatural("a\0b"s, "a\0c"s));
}

// Sorting needs a consistent order: every pair of texts over a small alphabet must compare as
// their places in the sorted sequence say.
TEST(CompareNatural, IsAConsistentOrder) {
    std::vector<std::string> texts = SmallTexts();
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return CompareNatural(a, b) < 0;
    });
    std::vector<int> rank(texts.size(), 0);
    for (std::size_t i = 1; i < texts.size(); ++i)
        rank[i] = rank[i - 1] + (CompareNatural(texts[i - 1], texts[i]) < 0 ? 1 : 0);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = 0; j < texts.size(); ++j)
            ASSERT_EQ(Sign(rank[i] - rank[j]), Sign(CompareNatural(texts[i], texts[j])))
                << "'" << texts[i] << "' vs '" << texts[j] << "'";
}

// Sorts decide on key prefixes where they differ: there they must order the texts as
// CompareNatural does, cut short anywhere, and a key longer than the texts must tell every
// difference.
TEST(CompareNatural, KeyPrefixesAgreeWithTheOrder) {
    std::vector<std::string> texts = SmallTexts();
    for (std::string run : {std::string(254, '9'), std::string(255, '7'), std::string(300, '7')})
        texts.insert(texts.end(), {run, "00" + run, run + "1", "a" + run + "b"});
    for (std::size_t size : {1, 2, 5, 300}) {
        std::vector<std::string> keys;
        for (const std::string& text : texts) {
            std::string key(size, '\0');
            NaturalKeyPrefix(text, reinterpret_cast<unsigned char*>(&key[0]), size);
            keys.push_back(key);
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = 0; j < texts.size(); ++j) {
                const int byKey = Sign(keys[i].compare(keys[j]));
                if (byKey == 0 && (size < 300 || texts[i].size() > 8 || texts[j].size() > 8))
                    continue;
                ASSERT_EQ(Sign(CompareNatural(texts[i], texts[j])), byKey)
                    << size << ": '" << texts[i] << "' vs '" << texts[j] << "'";
            }
        }
    }
}
