// The natural order of categories and text columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/CompareNatural.h"
#include "tests/core/TestSupport.h"

using namespace std::string_literals;

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

// Digit runs compare by value whatever their length, other ASCII letters without case; bytes
// compare as signed, so high bytes sort before ASCII and before the end of a text; a zero byte
// ends the text.
TEST(CompareNatural, Examples) {
    const std::string nines(29, '9'), digits24(24, '9'), zeros(40, '0');
    // Left, right, and the sign of their comparison.
    std::vector<std::string> rows = Split(
        "a2|a10|-1;007|7|0;a007b|a7b|0;a007b|a7c|-1;x9y|x10|-1;0|000|0;abc|abcd|-1;||0;News|nEWS|0;"
        "apple|Banana|-1;Apple|banana|-1;\xE9|\xC9|1;\xE9|a|-1;\x80|\x01|-1;\xFF|0|-1;"
        "caf\xE9|cafe|-1;ab\xE9|ab|-1;a\0b|a|0;a\0b|a\0c|0"s,
        ';');
    rows.insert(rows.end(),
                {nines + "1|" + nines + "2|-1", "1" + std::string(24, '0') + "|" + digits24 + "|1",
                 zeros + "1|2|-1", zeros + digits24 + "|" + digits24 + "|0"});
    for (const std::string& row : rows) {
        const std::vector<std::string> field = Split(row);
        EXPECT_EQ(std::stoi(field[2]), Sign(CompareNatural(field[0], field[1]))) << row;
        EXPECT_EQ(-std::stoi(field[2]), Sign(CompareNatural(field[1], field[0]))) << row;
    }
}

// Sorts decide on key prefixes where they differ: there they must order the texts as
// CompareNatural does, cut short anywhere, and a key longer than the texts must tell every
// difference.
TEST(CompareNatural, KeyPrefixesAgreeWithTheOrder) {
    const std::string alphabet = "01a9B_\xE9";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0, length = 1; length <= 3; ++length) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i)
            for (char c : alphabet) texts.push_back(texts[i] + c);
        from = to;
    }
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
