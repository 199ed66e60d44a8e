// CBookmarkFolders: grouping by category in one pass over the rows, then the folder tree.
#include "import/BookmarkFolders.h"

#include <functional>
#include <new>

namespace {

// A folder by its name inside its parent folder.
struct CChildKey {
    std::uint32_t parent;
    std::string_view name;
    bool operator==(const CChildKey& other) const {
        return parent == other.parent && name == other.name;
    }
};
struct CChildHash {
    std::size_t operator()(const CChildKey& key) const {
        return std::hash<std::string_view>()(key.name) ^ (key.parent * std::size_t{0x9E3779B9});
    }
};

}  // namespace

CBookmarkFolders::CBookmarkFolders(const CLinkList& list) {
    // Rows are kept as 32 bits each; a list beyond that could not be written to the data file.
    if (list.GetCount() >= noGroup) throw std::bad_alloc();
    CGroupMap groupOf;
    std::vector<std::string_view> categories;
    GroupRows(list, groupOf, categories);
    MakeFolders(list, groupOf, categories);
}

void CBookmarkFolders::GroupRows(const CLinkList& list, CGroupMap& groupOf,
                                 std::vector<std::string_view>& categories) {
    const auto count = static_cast<std::uint32_t>(list.GetCount());
    std::vector<std::uint32_t> groupOfRow(count, noGroup);
    std::vector<std::uint32_t> sizes;
    std::string_view previous;
    std::uint32_t group = noGroup;
    for (std::uint32_t row = 0; row < count; ++row) {
        const CLinkItem& item = *list.GetAt(row);
        if (item.m_strTitle.empty() && item.m_strLink.empty()) {
            ++m_leftOut;
            continue;
        }
        // Neighbouring records often share their category: the map is asked only on a change.
        const std::string_view category = item.m_strCategory.view();
        if (group == noGroup || category != previous) {
            const auto placed =
                groupOf.emplace(category, static_cast<std::uint32_t>(categories.size()));
            if (placed.second) {
                categories.push_back(category);
                sizes.push_back(0);
            }
            group = placed.first->second;
            previous = category;
        }
        groupOfRow[row] = group;
        ++sizes[group];
    }
    // Each group's rows together, in row order: a counting sort.
    m_groupStart.assign(sizes.size() + 1, 0);
    for (std::size_t g = 0; g < sizes.size(); ++g) m_groupStart[g + 1] = m_groupStart[g] + sizes[g];
    m_rows.resize(m_groupStart.back());
    std::vector<std::uint32_t> next(m_groupStart.begin(), m_groupStart.end() - 1);
    for (std::uint32_t row = 0; row < count; ++row)
        if (groupOfRow[row] != noGroup) m_rows[next[groupOfRow[row]]++] = row;
}

void CBookmarkFolders::MakeFolders(const CLinkList& list, const CGroupMap& groupOf,
                                   const std::vector<std::string_view>& categories) {
    std::unordered_map<CChildKey, std::uint32_t, CChildHash> children;
    m_folders.assign(1, CFolder());
    // The folder at the end of a category's path, made with those on the way when they are new.
    const auto folderOf = [&](std::string_view category) {
        std::uint32_t folder = 0;
        if (category.empty()) return folder;
        for (std::size_t start = 0;;) {
            const std::size_t bar = category.find('|', start);
            const std::string_view name = category.substr(start, bar - start);
            const auto made = children.emplace(CChildKey{folder, name},
                                               static_cast<std::uint32_t>(m_folders.size()));
            if (made.second) {
                m_folders[folder].folders.push_back(made.first->second);
                m_folders.emplace_back().name = name;
            }
            folder = made.first->second;
            if (bar == std::string_view::npos) return folder;
            start = bar + 1;
        }
    };
    std::vector<bool> placed(categories.size(), false);
    const auto place = [&](std::uint32_t group) {
        if (placed[group]) return;
        placed[group] = true;
        const std::uint32_t folder = folderOf(categories[group]);
        m_folders[folder].group = group;
    };
    for (const std::string& name : list.Categories().Names()) {
        const auto found = groupOf.find(name);
        if (found != groupOf.end()) place(found->second);
    }
    for (std::uint32_t group = 0; group < categories.size(); ++group) place(group);
}
