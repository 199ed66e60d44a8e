// CLinkList: the collection in row order, the single source of truth for the list of links.
// The view on screen is an owner-data list over it; every operation on rows is an operation here
// followed by a refresh of the view. Records are heap objects with stable addresses; the list owns
// those it holds.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
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
    CLinkItem* GetAt(std::size_t row) const { return m_rows[row].get(); }
    // Row of the given record, or -1 when the list does not hold it.
    long long FindRow(const CLinkItem* item) const;
    CCategoryList& Categories() { return m_categories; }
    const CCategoryList& Categories() const { return m_categories; }

    // Operations
    // Appends a new record with copies of the six values. Returns false, with nothing added,
    // when memory runs out.
    bool AddLinkItem(std::string_view title, std::string_view link, std::string_view description,
                     std::string_view category, const CDateTime& added, const CDateTime& modified);
    // Appends records (Undo brings deleted records back this way) and empties `items`; returns
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
    // pass over the rows; rows out of range and repeated rows are ignored.
    std::vector<ItemPtr> DeleteRows(const std::vector<std::size_t>& rows);
    // Takes the given records out wherever they now are (Redo of a Delete); records the list does
    // not hold are skipped. Returns them in list order.
    std::vector<ItemPtr> DeleteItems(const std::vector<const CLinkItem*>& items);
    // Frees every record and removes every row.
    void FreeAll();
    // Renames categories in the records: every category equal (case-sensitively) to a key becomes
    // the mapped name. Empties the map; returns true when it was not empty.
    bool RenameCategories(std::map<std::string, std::string>& oldToNew);

    // The category that New puts into the editor: "LAST", "NONE" or a category name.
    std::string m_strNewCategory = "LAST";

private:
    std::vector<ItemPtr> m_rows;
    CCategoryList m_categories;
};
