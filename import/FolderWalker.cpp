// CFolderWalker: the tree of folders still to visit. Each node links to its parent, its first
// subfolder not yet left behind and its next sibling.
#include "import/FolderWalker.h"

#include <new>
#include <utility>
#include <vector>

struct CFolderWalker::CFolderNode {
    std::string name;  // the folder's own name with the separator ("Data\"); the root's path
    CFolderNode* parent = nullptr;
    CFolderNode* firstChild = nullptr;
    CFolderNode* nextSibling = nullptr;
};

CFolderWalker::CFolderWalker(CFolderLister& lister, std::string root)
    : m_lister(lister), m_chSeparator(lister.Separator()) {
    if (root.empty() || root.back() != m_chSeparator) root += m_chSeparator;
    m_pRoot = new CFolderNode{std::move(root)};
    m_pCurrent = m_pRoot;
    m_strPath = m_pRoot->name;
    m_nNodes = 1;
}

CFolderWalker::~CFolderWalker() {
    // Without recursion: a folder may hold a great many subfolders in one sibling chain.
    std::vector<CFolderNode*> pending;
    if (m_pRoot) pending.push_back(m_pRoot);
    while (!pending.empty()) {
        CFolderNode* node = pending.back();
        pending.pop_back();
        if (node->firstChild) pending.push_back(node->firstChild);
        if (node->nextSibling) pending.push_back(node->nextSibling);
        delete node;
    }
}

void CFolderWalker::Free(CFolderNode* node) {
    delete node;
    --m_nNodes;
}

CFolderWalker::EVisit CFolderWalker::VisitCurrent(const FileVisitor& onFile) {
    if (!m_pCurrent) return EVisit::listed;
    // "*.*" and the terminating zero follow the path in the search text.
    constexpr std::size_t searchSuffix = 4;
    if (m_strPath.size() + searchSuffix > pathLimit) return EVisit::listed;
    EVisit result = EVisit::listed;
    m_lister.List(m_strPath, [&](const CFolderEntry& entry) {
        if (!entry.isFolder) {
            if (onFile(m_strPath, entry.name)) return true;
            result = EVisit::stopped;
            return false;
        }
        if (entry.name == "." || entry.name == ".." || entry.isLink) return true;
        if (m_strPath.size() + entry.name.size() + 1 + searchSuffix > pathLimit) return true;
        if (AddChild(entry.name)) return true;
        result = EVisit::outOfMemory;
        return false;
    });
    return result;
}

bool CFolderWalker::AddChild(std::string_view name) {
    if (!m_pCurrent) return false;
    CFolderNode* node = new (std::nothrow) CFolderNode;
    if (!node) return false;
    try {
        node->name.reserve(name.size() + 1);
    } catch (const std::bad_alloc&) {
        delete node;
        return false;
    }
    node->name = name;
    if (node->name.empty() || node->name.back() != m_chSeparator) node->name += m_chSeparator;
    node->parent = m_pCurrent;
    if (m_pLastAdded)
        m_pLastAdded->nextSibling = node;
    else
        m_pCurrent->firstChild = node;
    m_pLastAdded = node;
    ++m_nNodes;
    return true;
}

bool CFolderWalker::Next() {
    if (!m_pCurrent) return false;
    m_pLastAdded = nullptr;
    if (CFolderNode* child = m_pCurrent->firstChild) {
        m_pCurrent = child;
        m_strPath += child->name;
        return true;
    }
    // Leave the current folder for good, and every ancestor whose subfolders are all done.
    for (;;) {
        CFolderNode* node = m_pCurrent;
        CFolderNode* parent = node->parent;
        m_strPath.resize(m_strPath.size() - node->name.size());
        if (CFolderNode* sibling = node->nextSibling) {
            parent->firstChild = sibling;
            m_pCurrent = sibling;
            m_strPath += sibling->name;
            Free(node);
            return true;
        }
        Free(node);
        if (!parent) {
            m_pRoot = nullptr;
            m_pCurrent = nullptr;
            return false;
        }
        parent->firstChild = nullptr;
        m_pCurrent = parent;
    }
}
