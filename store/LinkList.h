// CLinkList: the collection in row order, the single source of truth for the list of links.
// The view on screen is an owner-data list over it; every operation on rows is an operation here
// followed by a refresh of the view. Records are heap objects with stable addresses; the list owns
// those it holds. Each row also knows whether it is selected: the list view on screen asks the
// model for that state, so the selection moves with its records however rows are reordered.
#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/CategoryList.h"
#include "store/LinkItem.h"

class CLinkList {
public:
    using ItemPtr = std::unique_ptr<CLinkItem>;

    CLinkList();
    ~CLinkList();
    CLinkList(const CLinkList&) = delete;
    CLinkList& operator=(const CLinkList&) = delete;

    // Attributes
    std::size_t GetCount() const { return m_rows.size(); }
    CLinkItem* GetAt(std::size_t row) const { return m_rows[row].item.get(); }
    // Row of the given record, or -1 when the list does not hold it.
    long long FindRow(const CLinkItem* item) const;
    CCategoryList& Categories() { return m_categories; }
    const CCategoryList& Categories() const { return m_categories; }

    // Operations
    // Appends a new record with copies of the six values. Returns false, with nothing added,
    // when memory runs out.
    bool AddLinkItem(std::string_view title, std::string_view link, std::string_view description,
                     std::string_view category, const CDateTime& added, const CDateTime& modified);
    // Appends records, unselected (Undo brings deleted records back this way), and empties
    // `items`; returns
    // false, with nothing added and `items` untouched, when memory runs out.
    bool Append(std::vector<ItemPtr>& items);
    // Reserves room for `count` more rows (a hint; failure is ignored).
    void Reserve(std::size_t count);
    // Overwrites the four texts of a record in place and sets Last Modified; Added is kept.
    // Throws std::bad_alloc with the record unchanged when memory runs out.
    static void Replace(CLinkItem& item, std::string_view title, std::string_view link,
                        std::string_view description, std::string_view category,
                        const CDateTime& modified);
    // Takes the given rows out of the list and hands their records out in list order. Runs in one
    // pass over the rows; rows out of range and repeated rows are ignored. The rows that stay keep
    // their selection.
    std::vector<ItemPtr> DeleteRows(const std::vector<std::size_t>& rows);
    // Takes the given records out wherever they now are (Redo of a Delete); records the list does
    // not hold are skipped. Returns them in list order.
    std::vector<ItemPtr> DeleteItems(const std::vector<const CLinkItem*>& items);
    // Frees every record and removes every row.
    void FreeAll();
    // Sorts the rows stably by a key made once for each record: `keyOf(record)` gives the key
    // and `less(a, b)` orders two keys. Each row's selection moves with its record. Running out
    // of memory throws std::bad_alloc with the rows unchanged.
    template <typename KeyOf, typename Less>
    void SortByKey(const KeyOf& keyOf, const Less& less) {
        using Key = decltype(keyOf(std::declval<const CLinkItem&>()));
        std::vector<std::pair<Key, std::size_t>> keyed;
        keyed.reserve(m_rows.size());
        for (std::size_t row = 0; row < m_rows.size(); ++row)
            keyed.emplace_back(keyOf(static_cast<const CLinkItem&>(*m_rows[row].item)), row);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&less](const auto& a, const auto& b) { return less(a.first, b.first); });
        std::vector<CRow> sorted;
        sorted.reserve(m_rows.size());
        for (const auto& entry : keyed) sorted.push_back(std::move(m_rows[entry.second]));
        m_rows.swap(sorted);
    }
    // Sorts the rows stably by an order of records: `less(a, b)` is true when a goes before b.
    template <typename Less>
    void Sort(const Less& less) {
        SortByKey([](const CLinkItem& item) { return &item; },
                  [&less](const CLinkItem* a, const CLinkItem* b) { return less(*a, *b); });
    }
    // Renames categories in the records: every category equal (case-sensitively) to a key becomes
    // the mapped name. Empties the map; returns true when it was not empty.
    bool RenameCategories(std::map<std::string, std::string>& oldToNew);

    // Selection
    bool IsSelected(std::size_t row) const { return m_rows[row].selected; }
    std::size_t GetSelectedCount() const { return m_nSelected; }
    // Selects or deselects rows [first, last]; rows beyond the list are ignored.
    void SetSelected(std::size_t first, std::size_t last, bool selected);
    void SetSelected(std::size_t row, bool selected) { SetSelected(row, row, selected); }
    void SelectAll(bool selected);
    // Selects exactly the given rows (ascending); every other row is deselected.
    void SelectOnly(const std::vector<std::size_t>& rows);
    // Selects the unselected rows and deselects the selected ones; returns the first row that is
    // selected afterwards, or -1.
    long long InvertSelection();
    // The nearest selected row below (or above) `row`, which need not be selected itself; -1
    // when there is none. `row` -1 with `below` searches from the first row.
    long long NextSelected(long long row, bool below) const;
    std::vector<std::size_t> SelectedRows() const;

    // The category that New puts into the editor: "LAST", "NONE" or a category name.
    std::string m_strNewCategory = "LAST";

private:
    struct CRow {
        ItemPtr item;
        bool selected = false;
    };

    std::vector<CRow> m_rows;
    std::size_t m_nSelected = 0;
    CCategoryList m_categories;
};
