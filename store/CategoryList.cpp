// CCategoryList: sorted insert and case-insensitive lookup of category names.
#include "store/CategoryList.h"

#include <algorithm>
#include <cstddef>
#include <unordered_set>

#include "store/CompareNatural.h"
#include "store/TextConv.h"

bool CCategoryList::Contains(std::string_view name) const {
    return m_keys.count(TextConv().FoldCase(name)) > 0;
}

int CCategoryList::Find(std::string_view name) const {
    const CTextConv& conv = TextConv();
    const std::string key = conv.FoldCase(name);
    if (!m_keys.count(key)) return -1;
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (conv.FoldCase(m_names[i]) == key) return static_cast<int>(i);
    return -1;
}

void CCategoryList::AddKey(std::string_view name) {
    ++m_keys[TextConv().FoldCase(name)];
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
    AddKey(name);
    return static_cast<std::size_t>(at);
}

bool CCategoryList::AddIfAbsent(std::string_view name) {
    if (name.empty() || Contains(name)) return false;
    InsertSorted(name);
    return true;
}

void CCategoryList::AddAllIfAbsent(const std::vector<std::string>& names) {
    // A few names go in one by one, each at its place; many are appended and sorted once (a
    // stable sort, so names that compare equal keep the order they came in).
    constexpr std::size_t oneByOne = 32;
    if (names.size() <= oneByOne) {
        for (const std::string& name : names) AddIfAbsent(name);
        return;
    }
    const std::size_t before = m_names.size();
    for (const std::string& name : names) {
        if (name.empty() || Contains(name)) continue;
        m_names.push_back(name);
        AddKey(name);
    }
    if (m_names.size() == before) return;
    std::stable_sort(
        m_names.begin(), m_names.end(),
        [](const std::string& a, const std::string& b) { return CompareNatural(a, b) < 0; });
}

void CCategoryList::ReplaceAll(const std::vector<std::string>& names) {
    // Built aside and swapped in, so that running out of memory leaves the old list whole.
    CCategoryList replacement;
    replacement.m_names.reserve(names.size());
    replacement.AddAllIfAbsent(names);
    m_names.swap(replacement.m_names);
    m_keys.swap(replacement.m_keys);
}
