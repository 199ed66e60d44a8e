// CBookmarkFolders: the records of a list arranged as the folders of a bookmark file. Each
// category "A|B|C" is the folder C inside B inside A; a record without a category lies in the
// top-level folder. A folder appears once and holds its records in row order. Folders come in the
// order of the categories in the category list (matched byte for byte), then those of categories
// that only records carry, in the order their first record is met; a folder needed on the way to
// a deeper one takes the place of the first category that needs it. Only folders that hold
// records (or folders that do) exist. Records with neither a title nor an address are left out:
// a bookmark reader ends its import at such a link.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/LinkList.h"

class CBookmarkFolders {
public:
    static constexpr std::uint32_t noGroup = UINT32_MAX;

    struct CFolder {
        std::string_view name;               // a view into a record's category
        std::vector<std::uint32_t> folders;  // the folders inside it, in order
        std::uint32_t group = noGroup;       // its records: a group, or none
    };

    // Arranges the records of `list`, which must stay unchanged while this is used. Throws
    // std::bad_alloc when memory runs out.
    explicit CBookmarkFolders(const CLinkList& list);

    // Attributes
    // Folder 0 is the top level; it has no name.
    const CFolder& Folder(std::uint32_t index) const { return m_folders[index]; }
    // The rows of a group's records, in row order.
    const std::uint32_t* RowsBegin(std::uint32_t group) const {
        return m_rows.data() + m_groupStart[group];
    }
    const std::uint32_t* RowsEnd(std::uint32_t group) const {
        return m_rows.data() + m_groupStart[group + 1];
    }
    std::size_t LeftOut() const { return m_leftOut; }

private:
    using CGroupMap = std::unordered_map<std::string_view, std::uint32_t>;

    // Records grouped by their category, groups numbered in the order first met.
    void GroupRows(const CLinkList& list, CGroupMap& groupOf,
                   std::vector<std::string_view>& categories);
    // The folder of each group's category, made in the order of the category list.
    void MakeFolders(const CLinkList& list, const CGroupMap& groupOf,
                     const std::vector<std::string_view>& categories);

    std::vector<CFolder> m_folders;
    std::vector<std::uint32_t> m_rows;        // rows grouped, each group in row order
    std::vector<std::uint32_t> m_groupStart;  // where each group begins in m_rows, and the end
    std::size_t m_leftOut = 0;
};
