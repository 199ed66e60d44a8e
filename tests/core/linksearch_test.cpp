#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"
#include "store/LinkList.h"

namespace {

const CDateTime kWhen(46023.25, CDateTime::valid);
constexpr unsigned kAllFields = searchTitle | searchDescription | searchCategory | searchLink;

struct SRecord {
    const char* title;
    const char* link;
    const char* description;
    const char* category;
};

void Fill(CLinkList& list, std::initializer_list<SRecord> records) {
    for (const SRecord& r : records)
        ASSERT_TRUE(list.AddLinkItem(r.title, r.link, r.description, r.category, kWhen, kWhen));
}

// An exact matcher that notes every text it is asked about, and can raise a stop flag once it
// has been asked a given number of times.
class CRecordingMatcher : public CTextMatcher {
public:
    bool Match(std::string_view text, std::string_view pattern) override {
        asked.emplace_back(text);
        if (stop && asked.size() == stopAfter) stop->store(true);
        return m_exact.Match(text, pattern);
    }

    std::vector<std::string> asked;
    std::atomic<bool>* stop = nullptr;
    std::size_t stopAfter = 0;

private:
    CExactMatcher m_exact{false};
};

std::vector<std::size_t> Search(const CLinkList& list, CTextMatcher& matcher, std::string_view term,
                                unsigned fields) {
    std::vector<std::size_t> rows{99};
    EXPECT_TRUE(SearchLinks(list, matcher, term, fields, rows));
    return rows;
}

using Rows = std::vector<std::size_t>;

}  // namespace

TEST(LinkSearch, EachFieldOnlyWhenAsked) {
    CLinkList list;
    Fill(list, {{"garden tools", "http://a", "", ""},
                {"other", "http://garden.example", "", ""},
                {"other", "http://b", "line one\r\nthe garden", ""},
                {"other", "http://c", "", "Garden"},
                {"nothing", "http://d", "here", "Misc"}});
    CExactMatcher matcher(false);
    EXPECT_EQ(Rows({0}), Search(list, matcher, "garden", searchTitle));
    EXPECT_EQ(Rows({1}), Search(list, matcher, "garden", searchLink));
    EXPECT_EQ(Rows({2}), Search(list, matcher, "garden", searchDescription));
    EXPECT_EQ(Rows({3}), Search(list, matcher, "garden", searchCategory));
    EXPECT_EQ(Rows({0, 1, 2, 3}), Search(list, matcher, "garden", kAllFields));
    EXPECT_EQ(Rows({2}), Search(list, matcher, "one the", kAllFields));  // across the CR LF
    EXPECT_EQ(Rows(), Search(list, matcher, "garden", 0));
    EXPECT_EQ(Rows(), Search(list, matcher, "", kAllFields));
}

TEST(LinkSearch, FieldsInOrderAndTheFirstHitEndsARecord) {
    CLinkList list;
    Fill(list, {{"t0", "l0", "d0", "c0"}, {"t1 x", "l1", "d1", "c1"}, {"t2", "l2 x", "d2", "c2"}});
    CRecordingMatcher matcher;
    EXPECT_EQ(Rows({1, 2}), Search(list, matcher, "x", kAllFields));
    const std::vector<std::string> asked = {"t0", "d0", "c0", "l0",  "t1 x",
                                            "t2", "d2", "c2", "l2 x"};
    EXPECT_EQ(asked, matcher.asked);
}

TEST(LinkSearch, TypoMatcherThroughTheBase) {
    CLinkList list;
    Fill(list, {{"How to receive mail", "", "", ""}, {"Recipes", "", "", ""}});
    CTypoMatcher matcher(2, false);
    EXPECT_EQ(Rows({0}), Search(list, matcher, "recieve", searchTitle));
}

TEST(LinkSearch, StopsSoonAfterTheFlagIsRaised) {
    CLinkList list;
    for (int i = 0; i < 2000; ++i) ASSERT_TRUE(list.AddLinkItem("match", "", "", "", kWhen, kWhen));
    std::atomic<bool> stop{false};
    CRecordingMatcher matcher;
    matcher.stop = &stop;
    matcher.stopAfter = 300;
    std::vector<std::size_t> rows;
    EXPECT_FALSE(SearchLinks(list, matcher, "match", searchTitle, rows, &stop));
    // The rows found are those tested before the flag was seen, all in order.
    ASSERT_GE(rows.size(), 300u);
    EXPECT_LE(rows.size(), 300u + kStopInterval);
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(i, rows[i]);

    // A flag raised before the search starts: nothing is tested.
    matcher.asked.clear();
    matcher.stop = nullptr;
    EXPECT_FALSE(SearchLinks(list, matcher, "match", searchTitle, rows, &stop));
    EXPECT_EQ(Rows(), rows);
    EXPECT_TRUE(matcher.asked.empty());

    stop = false;
    EXPECT_TRUE(SearchLinks(list, matcher, "match", searchTitle, rows, &stop));
    EXPECT_EQ(2000u, rows.size());
}
