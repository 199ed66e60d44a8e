#include <gtest/gtest.h>

#include <string>

#include "tools/WordWrap.h"

// One pixel per character.
const TextMeasure Chars = [](std::string_view text) { return static_cast<int>(text.size()); };

TEST(WordWrap, BreaksAtSpacesSoThatLinesFitBelowTheWidth) {
    const struct {
        const char* text;
        int width;
        const char* expected;
    } cases[] = {
        {"aaaa bbbb cccc", 10, "aaaa bbbb\r\ncccc"},
        // A line as wide as the field does not fit; the last word moves to a line of its own.
        {"aaaa bbbb cccc", 9, "aaaa\r\nbbbb\r\ncccc"},
        {"see http://example.com/long/link and more", 10,
         "see\r\nhttp://example.com/long/link\r\nand more"},
        // Single breaks join, blank lines stay, and each paragraph wraps by itself.
        {" one\r\ntwo\nthree\rfour \r\n", 100, "one two three four"},
        {"one two three\r\n\r\nfour five", 8, "one two\r\nthree\r\n\r\nfour\r\nfive"},
        {"a\n\rb", 100, "a\n\rb"},
        // A space before a paragraph break has no word after it to move.
        {"aaaa \r\n\r\nb", 5, "aaaa \r\n\r\nb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.expected, WordWrap(c.text, c.width, Chars));
    }
}

TEST(WordWrap, WrappingIsIdempotentAndLosesNoText) {
    for (const char* text :
         {"the quick brown fox jumps over the lazy dog again and again",
          "see http://www.example.com/a/very/long/path.html for the  details\r\nof it",
          "first paragraph with words\r\n\r\n\r\nsecond one, also with words \r\n\r\nthird"}) {
        for (int width = 0; width <= 40; ++width) {
            SCOPED_TRACE(std::string(text) + " at " + std::to_string(width));
            const std::string wrapped = WordWrap(text, width, Chars);
            EXPECT_EQ(wrapped, WordWrap(wrapped, width, Chars));
            EXPECT_EQ(UnwrapText(text), UnwrapText(wrapped));
            // Every line fits but for trailing spaces, or holds a single word.
            for (std::size_t start = 0, end; start <= wrapped.size(); start = end + 2) {
                end = std::min(wrapped.find("\r\n", start), wrapped.size());
                std::string line = wrapped.substr(start, end - start);
                line.erase(line.find_last_not_of(' ') + 1);
                EXPECT_TRUE(Chars(line) < width || line.find(' ', 1) == std::string::npos);
            }
        }
    }
}
