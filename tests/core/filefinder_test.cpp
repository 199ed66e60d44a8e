// The finder's walk on its own thread: files in walk order, a stop, a destruction while listing.
#include <gtest/gtest.h>

#include <condition_variable>
#include <map>

#include "import/FileFinder.h"

namespace {

using Files = std::vector<std::string>;

// The test is the lister, of a tree in memory. Listing `m_strBlocked` waits until the finder is
// asked to stop (a flag, no signal to wait for): the test acts while the walk is in that folder.
class FileFinderTest : public ::testing::Test, public CFolderLister {
protected:
    char Separator() const override { return '\\'; }
    void List(const std::string& path, const Visitor& visit) override {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_strListed += path + " ";
        m_bBlocked = path == m_strBlocked;
        m_changed.notify_all();
        while (m_bBlocked && !m_pFinder->IsStopping())
            m_changed.wait_for(lock, std::chrono::milliseconds(1));
        lock.unlock();
        for (const CFolderEntry& entry : m_folders[path])
            if (!visit(entry)) return;
    }
    void Start(const std::string& blocked = "") {
        m_strBlocked = blocked;
        m_finder = std::make_unique<CFileFinder>(*this, "D:", CFileNamePattern("*.htm*", false),
                                                 [this] { ++m_nEnds; });
        m_pFinder = m_finder.get();
        m_finder->Start();
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return blocked.empty() || m_bBlocked; });
    }

    std::map<std::string, std::vector<CFolderEntry>> m_folders = {
        {"D:\\", {{"bookmark.htm"}, {"A", true}, {"B", true}, {"Loop", true, true}, {"z.htm"}}},
        {"D:\\A\\", {{"A1", true}, {"a.htm"}}},
        {"D:\\A\\A1\\", {{"deep.htm"}, {"x.txt"}}},
        {"D:\\B\\", {{"b.HTML"}}}};
    std::string m_strBlocked, m_strListed;  // listed: read once the finder's thread has ended
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bBlocked = false;
    int m_nEnds = 0;                         // read once the finder's thread has ended
    const CFileFinder* m_pFinder = nullptr;  // unique_ptr::reset empties m_finder before deleting
    std::unique_ptr<CFileFinder> m_finder;   // last: destroyed first, while the tree still exists
};

}  // namespace

TEST_F(FileFinderTest, FindsTheMatchingFilesInWalkOrder) {
    Start();
    m_finder->Join();
    EXPECT_EQ(CFileFinder::EEnd::done, m_finder->GetEnd());
    EXPECT_EQ(Files({"D:\\bookmark.htm", "D:\\z.htm", "D:\\A\\a.htm", "D:\\A\\A1\\deep.htm",
                     "D:\\B\\b.HTML"}),
              m_finder->TakeFound());
    EXPECT_EQ("D:\\ D:\\A\\ D:\\A\\A1\\ D:\\B\\ ", m_strListed);
    EXPECT_EQ(1, m_nEnds);
}

TEST_F(FileFinderTest, StopEndsTheWalkAfterTheFolderBeingListed) {
    Start("D:\\A\\");
    EXPECT_EQ("D:\\A\\", m_finder->GetFolder());
    EXPECT_EQ(Files({"D:\\bookmark.htm", "D:\\z.htm"}), m_finder->TakeFound());
    m_finder->Stop();
    m_finder->Join();
    EXPECT_EQ(CFileFinder::EEnd::stopped, m_finder->GetEnd());
    EXPECT_EQ(Files({"D:\\A\\a.htm"}), m_finder->TakeFound()) << "the folder is listed whole";
    EXPECT_EQ("D:\\ D:\\A\\ ", m_strListed);
}

TEST_F(FileFinderTest, DestructionWhileListingStopsAndWaitsForTheThread) {
    Start("D:\\A\\A1\\");
    m_finder.reset();
    EXPECT_EQ("D:\\ D:\\A\\ D:\\A\\A1\\ ", m_strListed);
    EXPECT_EQ(1, m_nEnds);
}
