// CCategoryList: sorted insert and case-insensitive lookup of category names.
#include "store/CategoryList.h"

#include <cstddef>

#include "store/CompareNatural.h"
#include "store/TextConv.h"

int CCategoryList::Find(std::string_view name) const {
    const CTextConv& conv = TextConv();
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (conv.EqualNoCase(m_names[i], name)) return static_cast<int>(i);
    return -1;
}

std::size_t CCategoryList::InsertSorted(std::string_view name) {
    std::ptrdiff_t lo = 0;
    std::ptrdiff_t hi = static_cast<std::ptrdiff_t>(m_names.size()) - 1;
    std::ptrdiff_t at = -1;
    while (lo <= hi) {
        const std::ptrdiff_t mid = (lo + hi) / 2;
        const int order = CompareNatural(name, m_names[static_cast<std::size_t>(mid)]);
        if (order == 0) {
            at = mid;
            break;
        }
        if (order > 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    if (at < 0) at = lo;
    m_names.insert(m_names.begin() + at, std::string(name));
    return static_cast<std::size_t>(at);
}

bool CCategoryList::AddIfAbsent(std::string_view name) {
    if (name.empty() || Contains(name)) return false;
    InsertSorted(name);
    return true;
}

void CCategoryList::ReplaceAll(const std::vector<std::string>& names) {
    // Built aside and swapped in, so that running out of memory leaves the old list whole.
    CCategoryList replacement;
    replacement.m_names.reserve(names.size());
    for (const std::string& name : names) replacement.AddIfAbsent(name);
    m_names.swap(replacement.m_names);
}
