// CCategoryList: the names of the categories, unique without regard to case and kept in
// CompareNatural order. It is independent of the records: a name may be listed that no record
// uses, and a record may carry a category that is not listed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CCategoryList {
public:
    // Attributes
    std::size_t GetCount() const { return m_names.size(); }
    const std::string& GetAt(std::size_t i) const { return m_names[i]; }
    const std::vector<std::string>& Names() const { return m_names; }
    // Index of the name that equals `name` without regard to case, or -1.
    int Find(std::string_view name) const;
    bool Contains(std::string_view name) const;

    // Operations
    // Inserts at the place found by binary search with CompareNatural (an equal name stops the
    // search and the new one goes before it); returns the index. Does not test for duplicates.
    std::size_t InsertSorted(std::string_view name);
    // Inserts when not empty and not yet listed; returns true when it inserted.
    bool AddIfAbsent(std::string_view name);
    // AddIfAbsent for many names at once (a data file's list): one sort instead of an insert
    // per name, so that even a file of a million names loads in moments.
    void AddAllIfAbsent(const std::vector<std::string>& names);
    // Copies all names out in list order.
    std::vector<std::string> CopyOut() const { return m_names; }
    // Empties the list and inserts every given name with the sorted insert, skipping empty names
    // and duplicates. Running out of memory leaves the old list whole.
    void ReplaceAll(const std::vector<std::string>& names);
    void RemoveAll() {
        m_names.clear();
        m_keys.clear();
    }

private:
    void AddKey(std::string_view name);

    std::vector<std::string> m_names;
    // How many names fold to each key: the lookup without a walk over the names.
    std::unordered_map<std::string, std::size_t> m_keys;
};
