// The search over the list: one pass over the rows, the fields of a record in a fixed order.
#include "search/LinkSearch.h"

#include "search/TextMatcher.h"
#include "store/LinkList.h"

bool SearchLinks(const CLinkList& list, CTextMatcher& matcher, std::string_view term,
                 unsigned fields, std::vector<std::size_t>& rows, const std::atomic<bool>* stop) {
    rows.clear();
    if (!fields) return true;
    const std::size_t count = list.GetCount();
    for (std::size_t row = 0; row < count; ++row) {
        if (stop && row % kStopInterval == 0 && stop->load(std::memory_order_relaxed)) return false;
        const CLinkItem& item = *list.GetAt(row);
        const bool matched =
            ((fields & searchTitle) && matcher.Match(item.m_strTitle, term)) ||
            ((fields & searchDescription) && matcher.Match(item.m_strDescription, term)) ||
            ((fields & searchCategory) && matcher.Match(item.m_strCategory, term)) ||
            ((fields & searchLink) && matcher.Match(item.m_strLink, term));
        if (matched) rows.push_back(row);
    }
    return true;
}
