// CFileFinder: the bookmark file finder's walk, on a thread of its own so that a folder that is
// slow to list (a network drive that does not answer) never holds up the window. The window
// takes the files found so far whenever it likes, and learns of the end through the completion
// callback, which runs once on the finder's thread when the walk ends, however it ends.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "import/FileNamePattern.h"
#include "import/FolderLister.h"

class CFileFinder {
public:
    enum class EEnd {
        walking,     // not ended yet
        done,        // every folder was listed
        stopped,     // a stop request ended the walk after the folder being listed
        outOfMemory  // memory ran out; the files found before are kept
    };
    // Runs on the finder's thread; it must not wait for the window's thread (post, never send).
    using Completion = std::function<void()>;

    // Constructors
    // `lister` must outlive the finder.
    CFileFinder(CFolderLister& lister, std::string root, CFileNamePattern pattern,
                Completion onEnd);
    // Stops the walk and waits for the folder being listed.
    ~CFileFinder();
    CFileFinder(const CFileFinder&) = delete;
    CFileFinder& operator=(const CFileFinder&) = delete;

    // Attributes
    EEnd GetEnd() const;
    bool IsStopping() const { return m_bStop; }
    // The folder being listed (with its separator); empty before the first.
    std::string GetFolder() const;

    // Operations
    // Starts the walk; throws std::system_error when no thread can be made.
    void Start();
    // Asks the walk to end after the folder it is listing; returns at once.
    void Stop() { m_bStop = true; }
    // Waits for the walk to end (after Stop, only for the folder being listed).
    void Join();
    // The full paths of the files found since the last call, in walk order.
    std::vector<std::string> TakeFound();

private:
    void Walk();
    EEnd WalkFolders();

    CFolderLister& m_lister;
    const std::string m_strRoot;
    CFileNamePattern m_pattern;  // used by the finder's thread alone
    const Completion m_onEnd;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;

    // Guards what the two threads share below; held only to copy or swap, never while listing.
    mutable std::mutex m_mutex;
    std::vector<std::string> m_found;
    std::string m_strFolder;
    EEnd m_end = EEnd::walking;
};
