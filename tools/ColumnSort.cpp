// The column comparators and the sorts of the list of links by them.
#include "tools/ColumnSort.h"

#include <array>
#include <cmath>
#include <cstring>
#include <functional>

#include "store/CompareNatural.h"
#include "store/TextConv.h"

namespace {

// The field a column sorts by; null when the column is not of that kind.
CCompactString CLinkItem::*TextMember(int column) {
    switch (column) {
        case kColumnTitle:
            return &CLinkItem::m_strTitle;
        case kColumnCategory:
            return &CLinkItem::m_strCategory;
        case kColumnDescription:
            return &CLinkItem::m_strDescription;
        default:
            return nullptr;
    }
}

CDateTime CLinkItem::*DateMember(int column) {
    switch (column) {
        case kColumnAdded:
            return &CLinkItem::m_dtAdded;
        case kColumnModified:
            return &CLinkItem::m_dtModified;
        default:
            return nullptr;
    }
}

// A date's place on a straight time line. Before 30 December 1899 the integer part of the stored
// value counts days back while its fraction still runs forward through the day, so those values
// are mapped first. A date that is not valid (or not a number) has no place in time: it sorts
// before every valid date and equals every other such date, which keeps the order consistent.
double DateKey(const CDateTime& date) {
    const double value = date.GetValue();
    if (!date.IsValid() || !std::isfinite(value)) return -HUGE_VAL;
    if (value >= 0) return value;
    const double day = std::ceil(value);
    return day - (value - day);
}

int CompareDates(const CDateTime& a, const CDateTime& b) {
    const double left = DateKey(a);
    const double right = DateKey(b);
    return (left > right) - (left < right);
}

// The sign alone, so that negating a result can never overflow.
int Sign(int value) {
    return (value > 0) - (value < 0);
}

// -1, 0 or +1 by one column, texts in the given order.
template <typename TextOrder>
int CompareField(const CLinkItem& a, const CLinkItem& b, int column, const TextOrder& textOrder) {
    if (const auto text = TextMember(column)) return Sign(textOrder(a.*text, b.*text));
    if (const auto date = DateMember(column)) return CompareDates(a.*date, b.*date);
    return 0;
}

// A text column's sort key: the start of the natural key beside the text, so that most
// comparisons of a sort decide on the key alone, without reaching into the records.
struct CTextKey {
    std::array<unsigned char, 24> prefix;
    std::string_view text;
};

CTextKey MakeTextKey(std::string_view text) {
    CTextKey key;
    key.text = text;
    NaturalKeyPrefix(text, key.prefix.data(), key.prefix.size());
    return key;
}

bool TextKeyLess(const CTextKey& a, const CTextKey& b) {
    const int prefix = std::memcmp(a.prefix.data(), b.prefix.data(), a.prefix.size());
    return prefix != 0 ? prefix < 0 : CompareNatural(a.text, b.text) < 0;
}

// Sorts by a key, in decreasing order when `reverse` is set; equal keys keep their order.
template <typename KeyOf, typename Less>
void SortList(CLinkList& list, bool reverse, const KeyOf& keyOf, const Less& less) {
    if (reverse)
        list.SortByKey(keyOf, [&less](const auto& a, const auto& b) { return less(b, a); });
    else
        list.SortByKey(keyOf, less);
}

}  // namespace

int CompareColumn(const CLinkItem& a, const CLinkItem& b, int column, bool reverse) {
    const int result = CompareField(a, b, column, CompareNatural);
    return reverse ? -result : result;
}

int CompareMultiColumn(const CLinkItem& a, const CLinkItem& b, const CMultiSortOrder& order) {
    const CTextConv& conv = TextConv();
    const auto noCase = [&conv](std::string_view left, std::string_view right) {
        return conv.CompareNoCase(left, right);
    };
    for (int priority = 0; priority < CMultiSortOrder::kCount; ++priority) {
        const CSortKey& key = order.GetAt(priority);
        const int result = CompareField(a, b, key.column, noCase);
        if (result != 0) return key.increasing ? result : -result;
    }
    return 0;
}

void SortByColumn(CLinkList& list, int column, bool reverse) {
    if (const auto text = TextMember(column)) {
        SortList(
            list, reverse, [text](const CLinkItem& item) { return MakeTextKey(item.*text); },
            TextKeyLess);
    } else if (const auto date = DateMember(column)) {
        SortList(
            list, reverse, [date](const CLinkItem& item) { return DateKey(item.*date); },
            std::less<double>());
    }
}

void SortByOrder(CLinkList& list, const CMultiSortOrder& order) {
    list.Sort([&order](const CLinkItem& a, const CLinkItem& b) {
        return CompareMultiColumn(a, b, order) < 0;
    });
}
