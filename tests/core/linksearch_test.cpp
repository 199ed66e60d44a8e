#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"
#include "store/LinkList.h"

namespace {

using Rows = std::vector<std::size_t>;
const CDateTime kWhen(46023.25, CDateTime::valid);
constexpr unsigned kAllFields = searchTitle | searchDescription | searchCategory | searchLink;

// An exact matcher that notes the texts it is asked about and raises a stop flag at its
// `stopAt`th question.
class CRecordingMatcher : public CTextMatcher {
public:
    bool Match(std::string_view text, std::string_view pattern) override {
        asked.emplace_back(text);
        if (stop && asked.size() == stopAt) *stop = true;
        return CExactMatcher(false).Match(text, pattern);
    }
    std::vector<std::string> asked;
    std::atomic<bool>* stop = nullptr;
    std::size_t stopAt = 0;
};

Rows Search(const CLinkList& list, CTextMatcher& matcher, std::string_view term, unsigned fields) {
    Rows rows{99};
    EXPECT_TRUE(SearchLinks(list, matcher, term, fields, rows));
    return rows;
}

}  // namespace

TEST(LinkSearch, FieldsInOrderAndTheFirstHitEndsARecord) {
    CLinkList list;
    // Title, link, description, category.
    list.AddLinkItem("garden tools", "l0", "d0", "c0", kWhen, kWhen);
    list.AddLinkItem("t1", "http://garden.example", "d1", "c1", kWhen, kWhen);
    list.AddLinkItem("t2", "l2", "line one\r\nthe garden", "c2", kWhen, kWhen);
    list.AddLinkItem("t3", "l3", "d3", "Garden", kWhen, kWhen);
    list.AddLinkItem("t4", "l4", "d4", "c4", kWhen, kWhen);
    CExactMatcher exact(false);
    EXPECT_EQ(Rows({0}), Search(list, exact, "garden", searchTitle));
    EXPECT_EQ(Rows({1}), Search(list, exact, "garden", searchLink));
    EXPECT_EQ(Rows({2}), Search(list, exact, "one the", searchDescription));  // across CR LF
    EXPECT_EQ(Rows({3}), Search(list, exact, "garden", searchCategory));
    EXPECT_EQ(Rows(), Search(list, exact, "garden", 0));
    EXPECT_EQ(Rows(), Search(list, exact, "", kAllFields));
    CTypoMatcher typo(2, false);
    EXPECT_EQ(Rows({0, 1, 2, 3}), Search(list, typo, "gadren", kAllFields));

    CRecordingMatcher recording;
    EXPECT_EQ(Rows({0, 2, 3}),
              Search(list, recording, "arden", searchTitle | searchCategory | searchDescription));
    const std::vector<std::string> asked = {
        "garden tools", "t1", "d1",     "c1", "t2", "line one\r\nthe garden",
        "t3",           "d3", "Garden", "t4", "d4", "c4"};
    EXPECT_EQ(asked, recording.asked);
}

TEST(LinkSearch, StopsSoonAfterTheFlagIsRaised) {
    CLinkList list;
    for (int i = 0; i < 2000; ++i) list.AddLinkItem("match", "", "", "", kWhen, kWhen);
    std::atomic<bool> stop{false};
    CRecordingMatcher matcher;
    matcher.stop = &stop;
    matcher.stopAt = 300;
    Rows rows;
    EXPECT_FALSE(SearchLinks(list, matcher, "match", searchTitle, rows, &stop));
    // The rows tested before the flag was seen, all found, in order.
    ASSERT_GE(rows.size(), 300u);
    EXPECT_LE(rows.size(), 300u + kStopInterval);
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(i, rows[i]);

    matcher.asked.clear();  // raised before the start: nothing is tested
    EXPECT_FALSE(SearchLinks(list, matcher, "match", searchTitle, rows, &stop));
    EXPECT_EQ(Rows(), rows);
    EXPECT_TRUE(matcher.asked.empty());
}
