// CFileFinder: the walk of CFolderWalker, folder after folder, with the matching files handed over
// under the mutex as each is found.
#include "import/FileFinder.h"

#include <new>
#include <utility>

#include "import/FolderWalker.h"

CFileFinder::CFileFinder(CFolderLister& lister, std::string root, CFileNamePattern pattern,
                         Completion onEnd)
    : m_lister(lister),
      m_strRoot(std::move(root)),
      m_pattern(std::move(pattern)),
      m_onEnd(std::move(onEnd)) {}

CFileFinder::~CFileFinder() {
    Stop();
    Join();
}

CFileFinder::EEnd CFileFinder::GetEnd() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_end;
}

std::string CFileFinder::GetFolder() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_strFolder;
}

void CFileFinder::Start() {
    m_thread = std::thread(&CFileFinder::Walk, this);
}

void CFileFinder::Join() {
    if (m_thread.joinable()) m_thread.join();
}

std::vector<std::string> CFileFinder::TakeFound() {
    std::vector<std::string> found;
    std::lock_guard<std::mutex> guard(m_mutex);
    found.swap(m_found);
    return found;
}

void CFileFinder::Walk() {
    EEnd end = EEnd::outOfMemory;
    try {
        end = WalkFolders();
    } catch (const std::bad_alloc&) {
        // A folder node, a path or a found file's entry could not be kept.
        end = EEnd::outOfMemory;
    }
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_end = end;
    }
    // Nothing may leave the thread: an exception here would end the program.
    try {
        if (m_onEnd) m_onEnd();
    } catch (...) {
    }
}

CFileFinder::EEnd CFileFinder::WalkFolders() {
    CFolderWalker walker(m_lister, m_strRoot);
    std::string path;
    do {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_strFolder = walker.GetPath();
        }
        const CFolderWalker::EVisit visit =
            walker.VisitCurrent([this, &path](const std::string& folder, const std::string& name) {
                if (!m_pattern.Matches(name)) return true;
                path = folder + name;
                std::lock_guard<std::mutex> guard(m_mutex);
                m_found.push_back(std::move(path));
                return true;
            });
        if (visit == CFolderWalker::EVisit::outOfMemory) return EEnd::outOfMemory;
        if (m_bStop) return EEnd::stopped;
    } while (walker.Next());
    return EEnd::done;
}
