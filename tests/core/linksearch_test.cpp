// The search over the records' fields.
#include <gtest/gtest.h>

#include <tuple>

#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"
#include "store/LinkList.h"

TEST(LinkSearch, OnlyTheChosenFieldsAreSearched) {
    using Rows = std::vector<std::size_t>;
    CLinkList list;
    // The term in the title, the link, the description (across a line break), the category.
    list.AddLinkItem("garden tools", "l0", "d0", "c0", {}, {});
    list.AddLinkItem("t1", "http://garden.example", "d1", "c1", {}, {});
    list.AddLinkItem("t2", "l2", "line one\r\nthe garden", "c2", {}, {});
    list.AddLinkItem("t3", "l3", "d3", "Garden", {}, {});
    CExactMatcher exact(false);
    CTypoMatcher typo(2, false);
    const unsigned all = searchTitle | searchDescription | searchCategory | searchLink;
    const std::tuple<CTextMatcher*, const char*, unsigned, Rows> cases[] = {
        {&exact, "garden", searchTitle, {0}},
        {&exact, "garden", searchLink, {1}},
        {&exact, "one the", searchDescription, {2}},
        {&exact, "garden", searchCategory, {3}},
        {&exact, "garden", 0, {}},
        {&exact, "", searchTitle | searchLink, {}},
        {&typo, "gadren", all, {0, 1, 2, 3}}};
    for (const auto& [matcher, term, fields, expected] : cases) {
        Rows rows{99};
        EXPECT_TRUE(SearchLinks(list, *matcher, term, fields, rows));
        EXPECT_EQ(expected, rows) << term << " in fields " << fields;
    }
}
