// CCategoryStatistics: one pass over the records, each category found by a hash of its text.
#include "auxwnd/CategoryStatistics.h"

#include <numeric>
#include <string_view>
#include <unordered_map>

#include "controls/NumberFormatter.h"
#include "store/LinkList.h"

CCategoryStatistics::CCategoryStatistics(const CLinkList& list) {
    const CCategoryList& categories = list.Categories();
    m_names.reserve(categories.GetCount() + firstCategoryRow);
    m_names = {"TOTAL", "SELECTED", "NO CATEGORY"};
    m_names.insert(m_names.end(), categories.Names().begin(), categories.Names().end());
    m_counts.assign(m_names.size(), 0);
    m_counts[rowTotal] = static_cast<int>(list.GetCount());
    m_counts[rowSelected] = static_cast<int>(list.GetSelectedCount());

    // The keys are views of the names above, which stay put while the records are counted; a
    // million records cost a million hash look-ups and no string copies.
    std::unordered_map<std::string_view, int*> index;
    index.reserve(categories.GetCount());
    for (std::size_t i = firstCategoryRow; i < m_names.size(); ++i)
        index.emplace(m_names[i], &m_counts[i]);
    int& noCategory = m_counts[rowNoCategory];
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const auto found = index.find(list.GetAt(row)->m_strCategory.view());
        ++(found != index.end() ? *found->second : noCategory);
    }
}

std::string ItemSumText(const std::vector<long long>& counts, const CNumberFormatter& formatter) {
    return FormatCount("%s item%s", std::accumulate(counts.begin(), counts.end(), 0LL), formatter);
}
