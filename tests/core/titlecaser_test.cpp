#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/TitleCaser.h"

TEST(TitleCaser, ConvertsTitles) {
    const std::optional<std::vector<std::string>> defaults, onlyThe = {{"THE"}};
    const struct {
        const std::optional<std::vector<std::string>>& exceptions;
        const char* title;
        const char* expected;
    } cases[] = {
        {defaults, "the lord of the rings", "The Lord of the Rings"},
        {defaults, "what it is made of", "What It Is Made Of"},
        {defaults, "john's book", "John's Book"},
        {defaults, "don't stop", "Don'T Stop"},
        {defaults, "HELLO", "Hello"},
        {defaults, "HELLO WORLD", "HELLO WORLD"},
        {defaults, "the NASA report", "The NASA Report"},
        {defaults, "my iPhone", "My Iphone"},
        {defaults, " \t the end \r\n", "The End"},
        {onlyThe, "the end of it", "THE End Of It"},
        {onlyThe, "go to the end", "Go To THE End"},
        {defaults, "part 2: the sequel", "Part 2: The Sequel"},
        {defaults, "(the end)", "(the End)"},
        {defaults, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(c.expected, CTitleCaser(c.exceptions).Convert(c.title));
    }
}

TEST(TitleCaser, ExceptionSetIgnoresCaseAndKeepsTheFirstSpelling) {
    EXPECT_EQ(CTitleCaser::GetDefaultExceptions(), CTitleCaser().GetExceptions());
    const CTitleCaser caser(std::vector<std::string>{"The", "", "NASA", "the", "nasa"});
    EXPECT_EQ((std::vector<std::string>{"The", "NASA"}), caser.GetExceptions());
    const std::string* found = caser.FindException("tHE");
    EXPECT_EQ("The", found ? *found : "(none)");
    EXPECT_EQ(nullptr, caser.FindException("of"));
    EXPECT_EQ("The NASA The NASA", caser.Convert("the nasa the NASA"));
}
