#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "bench/RecordGenerator.h"
#include "tools/ColumnSort.h"
#include "tools/SortState.h"

namespace {

// "0+1+2+3+4+": the column and direction of each priority.
std::string Describe(const CMultiSortOrder& order) {
    std::string text;
    for (int i = 0; i < CMultiSortOrder::kCount; ++i)
        text += std::to_string(order.GetAt(i).column) + (order.GetAt(i).increasing ? "+" : "-");
    return text;
}

}  // namespace

// Records that differ in their Link only compare equal in both orders. The multi-column order is
// the default one, where every priority ahead of the compared field finds the records equal.
TEST(ColumnSort, TextsByOneColumnAndBySeveral) {
    const struct {
        const char *a, *b;
        int natural, multi;
    } cases[] = {{"a10", "a9", 1, -1},  {"a9", "A2", 1, 1},     {"A2", "a10", -1, 1},
                 {"x", "x1", -1, -1},   {"nEWS", "News", 0, 0}, {"item 007", "item 7", 0, -1},
                 {"a_b", "aBc", -1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        CLinkItem a, b;
        a.m_strCategory = c.a;
        b.m_strCategory = c.b;
        a.m_strLink = "http://a.example.com";
        EXPECT_EQ(c.natural, CompareColumn(a, b, kColumnCategory, false));
        EXPECT_EQ(-c.natural, CompareColumn(a, b, kColumnCategory, true));
        EXPECT_EQ(c.multi, CompareMultiColumn(a, b, CMultiSortOrder()));
    }
}

TEST(ColumnSort, DatesByTime) {
    const struct {
        CDateTime a, b;
        int expected;
    } cases[] = {
        {{45000.25, CDateTime::valid}, {45000.5, CDateTime::valid}, -1},
        // Before 1900 the fraction runs forward: -1.25 is 29 December 1899 at 06:00.
        {{-1.25, CDateTime::valid}, {-1.0, CDateTime::valid}, 1},
        {{-0.5, CDateTime::valid}, {0.5, CDateTime::valid}, 0},
        // Dates that are not valid sort first, all alike, so that sorting stays consistent.
        {{0.0, CDateTime::null}, {-700000.0, CDateTime::valid}, -1},
        {{5.0, CDateTime::invalid}, {0.0, CDateTime::null}, 0},
        {{std::numeric_limits<double>::quiet_NaN(), CDateTime::valid}, {1.0, CDateTime::valid}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a.GetValue()) + " / " + std::to_string(c.b.GetValue()));
        CLinkItem a, b;
        a.m_dtAdded = b.m_dtModified = c.a;  // Last Modified orders the other way
        b.m_dtAdded = a.m_dtModified = c.b;
        EXPECT_EQ(c.expected, CompareColumn(a, b, kColumnAdded, false));
        EXPECT_EQ(-c.expected, CompareColumn(a, b, kColumnModified, false));
        EXPECT_EQ(c.expected, CompareMultiColumn(a, b, CMultiSortOrder()));
    }
}

TEST(ColumnSort, SortsTenThousandRecordsStablyWithTheirSelection) {
    CLinkList list;
    bench::FillList(list, 10000);
    bench::CGenerator random;
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        list.GetAt(row)->m_dtAdded = CDateTime(45000.0 + static_cast<double>(random.Below(50)), 0);
        list.SetSelected(row, row % 7 == 3);
    }
    // The generated titles are lower-case words, ordered alike by both text orders.
    CMultiSortOrder titleDown;
    titleDown.Reverse(0);
    const struct {
        std::function<void(CLinkList&)> sort;
        std::function<bool(const CLinkItem&, const CLinkItem&)> reference;
    } cases[] = {
        {[](CLinkList& l) { SortByColumn(l, kColumnTitle, false); },
         [](auto& a, auto& b) { return a.m_strTitle.view() < b.m_strTitle.view(); }},
        {[](CLinkList& l) { SortByColumn(l, kColumnAdded, true); },
         [](auto& a, auto& b) { return b.m_dtAdded.GetValue() < a.m_dtAdded.GetValue(); }},
        {[&](CLinkList& l) { SortByOrder(l, titleDown); },
         [](auto& a, auto& b) { return b.m_strTitle.view() < a.m_strTitle.view(); }},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        std::vector<const CLinkItem*> expected;
        std::set<const CLinkItem*> selected;
        for (std::size_t row = 0; row < list.GetCount(); ++row) {
            expected.push_back(list.GetAt(row));
            if (list.IsSelected(row)) selected.insert(list.GetAt(row));
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [&](auto* a, auto* b) { return cases[i].reference(*a, *b); });
        cases[i].sort(list);
        std::size_t misplaced = 0;
        for (std::size_t row = 0; row < list.GetCount(); ++row) {
            misplaced += list.GetAt(row) != expected[row];
            selected.erase(list.IsSelected(row) ? list.GetAt(row) : nullptr);
        }
        EXPECT_EQ(0u, misplaced);
        EXPECT_TRUE(selected.empty());
    }
}

TEST(SortState, HeaderClicksAndTheMultiColumnWindow) {
    // Header columns clicked, or 'w' for an opening of the window; then the direction of each
    // header-click sort.
    const std::pair<std::string, std::string> cases[] = {
        {"000", "+-+"}, {"01", "++"}, {"0010", "+-++"}, {"00w0", "+-+"}};
    for (const auto& [actions, expected] : cases) {
        CSortState state;
        std::string directions;
        for (char action : actions) {
            if (action == 'w')
                state.OpenMultiSort();
            else
                directions += state.ClickHeader(action - '0') ? '-' : '+';
        }
        EXPECT_EQ(expected, directions) << actions;
    }

    CSortState state;
    CMultiSortOrder order = state.OpenMultiSort();
    // Nothing moves past either end, nor without a selected entry (-1).
    for (int priority : {-1, 0, 4}) {
        EXPECT_EQ(priority == 4, order.CanMoveUp(priority));
        EXPECT_EQ(priority == 0, order.CanMoveDown(priority));
        EXPECT_EQ(priority, priority == 4 ? order.MoveDown(priority) : order.MoveUp(priority));
    }
    EXPECT_EQ(1, order.MoveDown(order.MoveUp(1)));
    order.Reverse(order.MoveUp(4));
    state.AcceptMultiSort(order);  // OK
    CMultiSortOrder cancelled = state.OpenMultiSort();
    EXPECT_EQ("0+1+2+4-3+", Describe(cancelled));
    cancelled.Reset();  // and Cancel
    EXPECT_EQ("0+1+2+4-3+", Describe(state.OpenMultiSort()));
    state.ClickHeader(2);
    EXPECT_EQ("0+1+2+3+4+", Describe(state.OpenMultiSort()));
}
