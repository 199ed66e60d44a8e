// The search term's matchers: exact (words across white space, ASCII case folded) and forgiving
// typing errors.
#include <gtest/gtest.h>

#include "search/ExactMatcher.h"
#include "search/TypoMatcher.h"
#include "tests/core/TestSupport.h"

namespace {

bool Exact(std::string_view term, std::string_view text) {
    return CExactMatcher(false).Match(CTightText(text).view(), CTightText(term).view());
}

// The typos a match took, or -1 for no match.
int Typos(int separation, std::string_view term, std::string_view text) {
    CTypoMatcher matcher(separation, false);
    return matcher.Match(CTightText(text).view(), CTightText(term).view()) ? matcher.GetTypoCount()
                                                                           : -1;
}

}  // namespace

// A space in the term takes the whole run of white space at its place (CR LF too) but needs one
// character there; only ASCII letters fold (bit 5 alone is no case); a zero byte is a character.
TEST(ExactMatcher, Examples) {
    // Term, text, and 1 when the term is found.
    for (const std::string& row : Split("lo w|Hello World|1;a b|ab|1;a  b|a \t\r\n b|1;ab |ab c|1; "
                                        "  |x|1;aab|aaab|1;caf\xE9|CAF\xE9|1;b|ab|1;"
                                        "hello world|Hello\r\nWorld|1;LOW|Hello World|0;a \tb|a "
                                        "\tb|0;ab |ab|0;CAF\xC9|caf\xE9|0;[|{|0;"
                                        "@x|`x|0;|abc|0;a||0;||0;ba|ab|0",
                                        ';'))
        EXPECT_EQ(Split(row)[2] == "1", Exact(Split(row)[0], Split(row)[1])) << row;
    EXPECT_TRUE(Exact("XYZ", std::string(40, 'a') + "xyz"));
    EXPECT_TRUE(Exact(std::string("\0B", 2), std::string("a\0b", 3)));
}

// Swapped, extra, missing and wrong characters and spaces, each accepted only after the
// separation's number of exact characters since the previous typo; a missing space and the first
// typo never wait, an extra character before a space and a missing last one do; the first start
// wins; a separation out of range counts as 2.
TEST(TypoMatcher, Examples) {
    // Separation, term, text, and the typos taken (-1: not found).
    for (const std::string& row : Split("2|receive|recieve|1;2|misspell|mispell|1;2|abxdex|abcdef|"
                                        "2;2|abxdxf|abcdef|-1;1|abxdxf|abcdef|2;"
                                        "10|abxdxf|abcdef|-1;2|the cat|teh cat|1;2|thecat|the "
                                        "cat|1;2|a bc|abc|1;2|abc|ab|1;2|b|a|-1;"
                                        "2| |x|1;9|xbcdefgh|abcdefgh|1;2|Receive|RECIEVE|1;3|xbc "
                                        "de|abcde|2;3|xbc de|abcz de|-1;"
                                        "2|xbc|ab|-1;2|cat|the cat|1;2||abc|-1",
                                        ';')) {
        const std::vector<std::string> field = Split(row);
        EXPECT_EQ(std::stoi(field[3]), Typos(std::stoi(field[0]), field[1], field[2])) << row;
    }
}

// A character before the text's white space was taken as typed by mistake even when the term went
// on with it, so the typo search missed texts that the exact search found.
TEST(TypoMatcher, SkipBeforeSpaceKeepsTheExactHits) {
    // Term, text, and the typos taken: a missing space where the skip would lose the match; the
    // skip itself where it leads to one.
    for (const std::string& row : Split("tom s diner|toms diner|1;in a day|ina day|1;a x b|ax b|1;"
                                        "ab cde|abc cde|1",
                                        ';')) {
        const std::vector<std::string> field = Split(row);
        EXPECT_EQ(std::stoi(field[2]), Typos(2, field[0], field[1])) << row;
    }
}
