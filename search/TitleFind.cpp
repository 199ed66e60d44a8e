// FindTitle: one pass over the rows from the start, wrapping.
#include "search/TitleFind.h"

#include <string>

#include "store/LinkList.h"
#include "store/TextConv.h"

long long FindTitle(const CLinkList& list, std::string_view text, std::size_t start, bool partial,
                    bool wrap) {
    const std::size_t count = list.GetCount();
    if (text.empty() || count == 0) return -1;
    const CTextConv& conv = TextConv();
    const std::string wanted = conv.FoldCase(text);
    if (start >= count) start = wrap ? 0 : count;
    const std::size_t steps = wrap ? count : count - start;
    for (std::size_t step = 0; step < steps; ++step) {
        const std::size_t row = (start + step) % count;
        const std::string_view title = list.GetAt(row)->m_strTitle.view();
        if (title.size() < wanted.size() || (!partial && title.size() != wanted.size())) continue;
        // Only the typed length of the title is folded: a short text, compared without copying
        // the whole title.
        if (conv.FoldCase(title.substr(0, wanted.size())) == wanted)
            return static_cast<long long>(row);
    }
    return -1;
}

long long CTypeAhead::Type(const CLinkList& list, char ch, unsigned long nowMs, long long focus) {
    if (!m_strTyped.empty() && nowMs - m_nLastMs > kPauseMs) m_strTyped.clear();
    m_nLastMs = nowMs;
    m_strTyped += ch;
    const std::size_t next = focus < 0 ? 0 : static_cast<std::size_t>(focus) + 1;
    // A longer prefix may still fit the focused row; a first character looks past it.
    const std::size_t start =
        m_strTyped.size() == 1 || focus < 0 ? next : static_cast<std::size_t>(focus);
    const long long row = FindTitle(list, m_strTyped, start, true, true);
    const bool repeated = m_strTyped.find_first_not_of(ch) == std::string::npos;
    if (row >= 0 || !repeated || m_strTyped.size() == 1) return row;
    return FindTitle(list, std::string(1, ch), next, true, true);
}
