// CLinkList: the records in row order and the operations that move them in and out.
#include "store/LinkList.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>

CLinkList::CLinkList() = default;
CLinkList::~CLinkList() = default;

long long CLinkList::FindRow(const CLinkItem* item) const {
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].item.get() == item) return static_cast<long long>(row);
    return -1;
}

bool CLinkList::AddLinkItem(std::string_view title, std::string_view link,
                            std::string_view description, std::string_view category,
                            const CDateTime& added, const CDateTime& modified) {
    try {
        auto item = std::make_unique<CLinkItem>();
        item->m_strTitle = title;
        item->m_strLink = link;
        item->m_strDescription = description;
        item->m_strCategory = category;
        item->m_dtAdded = added;
        item->m_dtModified = modified;
        m_rows.push_back({std::move(item)});
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CLinkList::Append(std::vector<ItemPtr>& items) {
    try {
        m_rows.reserve(m_rows.size() + items.size());
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    for (ItemPtr& item : items)
        if (item) m_rows.push_back({std::move(item)});
    items.clear();
    return true;
}

void CLinkList::Reserve(std::size_t count) {
    if (count > m_rows.max_size() - m_rows.size()) return;
    try {
        m_rows.reserve(m_rows.size() + count);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
}

void CLinkList::Replace(CLinkItem& item, std::string_view title, std::string_view link,
                        std::string_view description, std::string_view category,
                        const CDateTime& modified) {
    // All four copies are made before the record changes: running out of memory leaves it as it
    // was, and texts that point into the record itself are read before they are overwritten.
    CCompactString newTitle(title);
    CCompactString newLink(link);
    CCompactString newDescription(description);
    CCompactString newCategory(category);
    item.m_strTitle = std::move(newTitle);
    item.m_strLink = std::move(newLink);
    item.m_strDescription = std::move(newDescription);
    item.m_strCategory = std::move(newCategory);
    item.m_dtModified = modified;
}

std::vector<CLinkList::ItemPtr> CLinkList::DeleteRows(const std::vector<std::size_t>& rows) {
    // Rows out of range and repeated rows are ignored rather than trusted. The selection comes
    // in ascending order, so the sort is normally skipped.
    std::vector<std::size_t> doomed(rows);
    if (!std::is_sorted(doomed.begin(), doomed.end())) std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    doomed.erase(std::lower_bound(doomed.begin(), doomed.end(), m_rows.size()), doomed.end());

    std::vector<ItemPtr> removed;
    removed.reserve(doomed.size());  // may throw; the list is still untouched then
    if (doomed.empty()) return removed;

    // One compaction from the first deleted row: each run of kept rows between two deleted ones
    // slides up as a block, and deleted records leave in list order.
    const auto first = m_rows.begin();
    auto kept = first + static_cast<std::ptrdiff_t>(doomed.front());
    for (std::size_t i = 0; i < doomed.size(); ++i) {
        const auto row = first + static_cast<std::ptrdiff_t>(doomed[i]);
        if (row->selected) --m_nSelected;
        removed.push_back(std::move(row->item));
        const auto runEnd = i + 1 < doomed.size()
                                ? first + static_cast<std::ptrdiff_t>(doomed[i + 1])
                                : m_rows.end();
        kept = std::move(row + 1, runEnd, kept);
    }
    m_rows.erase(kept, m_rows.end());
    return removed;
}

std::vector<CLinkList::ItemPtr> CLinkList::DeleteItems(const std::vector<const CLinkItem*>& items) {
    std::vector<ItemPtr> removed;
    if (items.empty()) return removed;
    const std::unordered_set<const CLinkItem*> doomed(items.begin(), items.end());
    removed.reserve(std::min(doomed.size(), m_rows.size()));

    std::size_t kept = 0;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (doomed.count(m_rows[row].item.get()) != 0) {
            if (m_rows[row].selected) --m_nSelected;
            removed.push_back(std::move(m_rows[row].item));
        } else if (kept++ != row) {
            m_rows[kept - 1] = std::move(m_rows[row]);
        }
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(kept), m_rows.end());
    return removed;
}

void CLinkList::FreeAll() {
    m_rows.clear();
    m_nSelected = 0;
}

void CLinkList::SetSelected(std::size_t first, std::size_t last, bool selected) {
    if (m_rows.empty() || first >= m_rows.size()) return;
    last = std::min(last, m_rows.size() - 1);
    for (std::size_t row = first; row <= last; ++row) {
        CRow& entry = m_rows[row];
        if (entry.selected == selected) continue;
        entry.selected = selected;
        selected ? ++m_nSelected : --m_nSelected;
    }
}

void CLinkList::SelectAll(bool selected) {
    for (CRow& row : m_rows) row.selected = selected;
    m_nSelected = selected ? m_rows.size() : 0;
}

void CLinkList::SelectOnly(const std::vector<std::size_t>& rows) {
    SelectAll(false);
    for (std::size_t row : rows) SetSelected(row, true);
}

long long CLinkList::InvertSelection() {
    long long first = -1;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        m_rows[row].selected = !m_rows[row].selected;
        if (first < 0 && m_rows[row].selected) first = static_cast<long long>(row);
    }
    m_nSelected = m_rows.size() - m_nSelected;
    return first;
}

long long CLinkList::NextSelected(long long row, bool below) const {
    const auto count = static_cast<long long>(m_rows.size());
    if (below) {
        for (long long next = std::max(row + 1, 0LL); next < count; ++next)
            if (m_rows[static_cast<std::size_t>(next)].selected) return next;
    } else {
        for (long long next = std::min(row, count) - 1; next >= 0; --next)
            if (m_rows[static_cast<std::size_t>(next)].selected) return next;
    }
    return -1;
}

std::vector<std::size_t> CLinkList::SelectedRows() const {
    std::vector<std::size_t> rows;
    rows.reserve(m_nSelected);
    for (std::size_t row = 0; row < m_rows.size() && rows.size() < m_nSelected; ++row)
        if (m_rows[row].selected) rows.push_back(row);
    return rows;
}

bool CLinkList::RenameCategories(std::map<std::string, std::string>& oldToNew) {
    if (oldToNew.empty()) return false;
    // Looked up by view, so that a million records cost no string copies; each record is looked
    // up once, so renaming a to b and b to c turns a into b, not into c.
    std::unordered_map<std::string_view, std::string_view> renames;
    for (const auto& [from, to] : oldToNew) renames.emplace(from, to);
    for (CRow& row : m_rows) {
        const auto found = renames.find(row.item->m_strCategory.view());
        if (found != renames.end()) row.item->m_strCategory = found->second;
    }
    oldToNew.clear();
    return true;
}
