// CFolderWalker: walks a folder tree depth first, one folder per step, so that the window can let
// messages through between folders and stop at any of them. Subfolders are visited in the order
// they were found. The walker keeps only the folders still to visit: a node is freed as soon as
// the walk has left it for good. Folders that are links are never entered, so a walk always ends,
// and neither is a folder whose search path would not fit the system's path limit.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "import/FolderLister.h"

class CFolderWalker {
public:
    // The longest search path ("path*.*" and its terminating zero) the system can list.
    static constexpr std::size_t pathLimit = 260;

    // Called for each file of the listed folder with the folder's path and the file's name;
    // returns false to end the listing (the walk may still go on).
    using FileVisitor = std::function<bool(const std::string& folder, const std::string& name)>;

    enum class EVisit {
        listed,
        stopped,     // the file visitor ended the listing
        outOfMemory  // a subfolder could not be kept; the walk cannot go on correctly
    };

    // Constructors
    // Starts at `root`, to which the separator is appended when it lacks one ("D:" becomes
    // "D:\").
    CFolderWalker(CFolderLister& lister, std::string root);
    ~CFolderWalker();
    CFolderWalker(const CFolderWalker&) = delete;
    CFolderWalker& operator=(const CFolderWalker&) = delete;

    // Attributes
    // The path of the current folder, ending with the separator.
    const std::string& GetPath() const { return m_strPath; }
    // Folder nodes held: the current folder, its ancestors and the subfolders still to visit.
    std::size_t GetNodeCount() const { return m_nNodes; }
    bool IsOver() const { return m_pCurrent == nullptr; }

    // Operations
    // Lists the current folder once: its files go to `onFile`, its subfolders are kept for the
    // walk. "." and "..", links and folders too deep for the path limit are left out.
    EVisit VisitCurrent(const FileVisitor& onFile);
    // Adds a subfolder of the current folder after those added before; false when memory runs
    // out.
    bool AddChild(std::string_view name);
    // Moves to the next folder in depth-first order, freeing the nodes left behind; false when
    // the walk is over.
    bool Next();

private:
    struct CFolderNode;

    void Free(CFolderNode* node);

    CFolderLister& m_lister;
    const char m_chSeparator;
    CFolderNode* m_pRoot = nullptr;
    CFolderNode* m_pCurrent = nullptr;
    CFolderNode* m_pLastAdded = nullptr;  // the current folder's subfolder added last
    std::string m_strPath;
    std::size_t m_nNodes = 0;
};
