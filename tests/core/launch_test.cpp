#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "mainwnd/LaunchJob.h"
#include "mainwnd/LaunchTarget.h"
#include "mainwnd/ShellLauncher.h"

namespace {

// A shell that records what it is asked and answers from a table of folders.
class CFakeShell : public CShellLauncher {
public:
    int Execute(const std::string& verb, const std::string& target) override {
        std::unique_lock<std::mutex> guard(m_mutex);
        m_calls.push_back(verb + " " + target);
        m_changed.notify_all();
        m_changed.wait_for(guard, std::chrono::seconds(10), [this] { return !m_bHold; });
        return m_nResult;
    }
    bool IsFolder(const std::string& path) override {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_asked.push_back(path);
        return m_folders.count(path) != 0;
    }

    // Holds the next Execute calls until Release (or for ten seconds, so that a broken test
    // fails instead of hanging).
    void Hold() {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_bHold = true;
    }
    void Release() {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_bHold = false;
        }
        m_changed.notify_all();
    }
    bool WaitForCall() {
        std::unique_lock<std::mutex> guard(m_mutex);
        return m_changed.wait_for(guard, std::chrono::seconds(10),
                                  [this] { return !m_calls.empty(); });
    }

    std::set<std::string> m_folders;
    int m_nResult = 42;
    std::vector<std::string> m_calls;  // "verb target"
    std::vector<std::string> m_asked;  // paths asked about

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bHold = false;
};

class LaunchTest : public ::testing::Test {
protected:
    // Launches `text` as the main window does and waits for the job's work to end; returns what
    // reached the shell.
    std::string Launch(const std::string& text) {
        CLaunchJob job(m_shell,
                       [this](const std::string& message) { m_messages.push_back(message); });
        EXPECT_TRUE(job.SetLink(text));
        EXPECT_TRUE(job.Start(nullptr, 0));
        job.Wait();
        m_nResult = job.GetResult();
        return m_shell.m_calls.empty() ? std::string() : m_shell.m_calls.back();
    }
    // The failure message of a launch that the shell answers with `shellResult`.
    std::string FailureOf(const std::string& text, int shellResult) {
        m_shell.m_nResult = shellResult;
        m_messages.clear();
        Launch(text);
        EXPECT_LE(m_messages.size(), 1u);
        return m_messages.empty() ? std::string() : m_messages[0];
    }

    CFakeShell m_shell;
    std::vector<std::string> m_messages;
    int m_nResult = -1;
};

TEST_F(LaunchTest, WebAddressesGetTheSchemeOnlyAfterWwwAndAHostName) {
    EXPECT_EQ(Launch("www.example.com"), "open http://www.example.com");
    EXPECT_EQ(Launch("WWW.x"), "open http://WWW.x");
    EXPECT_EQ(Launch("wWw.example.com/a b"), "open http://wWw.example.com/a b");
    EXPECT_EQ(Launch("www."), "open www.");
    EXPECT_EQ(Launch("www"), "open www");
    EXPECT_EQ(Launch("wwwx.example.com"), "open wwwx.example.com");
    EXPECT_EQ(Launch("http://www.example.com"), "open http://www.example.com");
    EXPECT_EQ(Launch("ftp://www.example.com"), "open ftp://www.example.com");
    EXPECT_EQ(Launch("example.com/www.x"), "open example.com/www.x");
    EXPECT_EQ(m_nResult, 0);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LaunchTest, BlanksAtBothEndsNeverReachTheShell) {
    EXPECT_EQ(Launch(" \t\r\n\v\fwww.example.com \t\r\n\v\f"), "open http://www.example.com");
    // Blanks inside the link are part of it.
    EXPECT_EQ(Launch("  C:\\Notes\\a b.txt\r\n"), "open C:\\Notes\\a b.txt");
    // Trimming comes before the "www." test.
    EXPECT_EQ(Launch("   www."), "open www.");
    m_shell.m_folders.insert("C:\\My Links");
    EXPECT_EQ(Launch("\tC:\\My Links\\ "), "explore C:\\My Links\\");
}

TEST_F(LaunchTest, FoldersAreExploredWithOrWithoutATrailingBackslash) {
    m_shell.m_folders.insert("C:\\Links");
    EXPECT_EQ(Launch("C:\\Links"), "explore C:\\Links");
    EXPECT_EQ(Launch("C:\\Links\\"), "explore C:\\Links\\");
    EXPECT_EQ(m_shell.m_asked, std::vector<std::string>({"C:\\Links", "C:\\Links"}));
    EXPECT_EQ(Launch("C:\\Links\\file.txt"), "open C:\\Links\\file.txt");
    EXPECT_EQ(Launch("C:\\Missing\\"), "open C:\\Missing\\");
    EXPECT_EQ(Launch("www.example.com"), "open http://www.example.com");
}

TEST_F(LaunchTest, DriveRootIsExploredWithoutAskingTheFileSystem) {
    EXPECT_EQ(Launch("D:\\"), "explore D:\\");
    EXPECT_EQ(Launch(" Z:\\ "), "explore Z:\\");
    EXPECT_TRUE(m_shell.m_asked.empty());
    // Other three-character paths are never folders, and are not asked about either.
    m_shell.m_folders.insert("D:x");
    EXPECT_EQ(Launch("D:x"), "open D:x");
    EXPECT_EQ(Launch("D/\\"), "open D/\\");
    EXPECT_TRUE(m_shell.m_asked.empty());
}

TEST_F(LaunchTest, IsFolderPathLimitsTheLengthOfWhatItAsks) {
    const std::string longest = "C:\\" + std::string(256, 'f');
    m_shell.m_folders.insert(longest);
    m_shell.m_folders.insert(longest + "g");
    m_shell.m_folders.insert("C:");
    EXPECT_FALSE(IsFolderPath("", m_shell));
    EXPECT_FALSE(IsFolderPath("C:", m_shell));
    EXPECT_TRUE(IsFolderPath(longest, m_shell));
    EXPECT_FALSE(IsFolderPath(longest + "g", m_shell));
    EXPECT_EQ(m_shell.m_asked, std::vector<std::string>({longest}));
}

TEST_F(LaunchTest, EachShellFailureGivesItsMessage) {
    EXPECT_EQ(FailureOf("C:\\gone.txt", 2),
              "Could not open \"C:\\gone.txt\".  This item was not found.");
    EXPECT_EQ(m_nResult, 2);
    EXPECT_EQ(FailureOf("C:\\x\\y.txt", 3),
              "Could not open \"C:\\x\\y.txt\".  This item's path was not found.");
    EXPECT_EQ(FailureOf("C:\\secret", 5),
              "Could not open \"C:\\secret\".  Windows denied access to this item.");
    EXPECT_EQ(FailureOf("big.doc", 8),
              "Could not open \"big.doc\".  There isn't enough available memory.  Try closing "
              "another application.");
    const std::string association =
        "Could not open \"a.xyz\".  You may need to use Windows Explorer to set up an association "
        "for this item.";
    EXPECT_EQ(FailureOf("a.xyz", 27), association);
    EXPECT_EQ(FailureOf("a.xyz", 31), association);
    EXPECT_EQ(FailureOf("a.xyz", 0), "Could not open \"a.xyz\".");
    EXPECT_EQ(FailureOf("a.xyz", 26), "Could not open \"a.xyz\".");
    EXPECT_EQ(FailureOf("a.xyz", 32), "Could not open \"a.xyz\".");
    EXPECT_EQ(FailureOf("D:\\", 3), "Could not explore \"D:\\\".  This item's path was not found.");
    EXPECT_EQ(m_nResult, 2);
    // Above 32 is success.
    EXPECT_EQ(FailureOf("a.xyz", 33), "");
    EXPECT_EQ(m_nResult, 0);
}

TEST_F(LaunchTest, FailureMessageShowsAtMost259CharactersOfTheTarget) {
    const std::string target = std::string(259, 'a') + "bcd";
    EXPECT_EQ(FailureOf(target, 2),
              "Could not open \"" + std::string(259, 'a') + "\".  This item was not found.");
    EXPECT_EQ(m_shell.m_calls.back(), "open " + target);
    EXPECT_EQ(LaunchFailureText(std::string(259, 'a'), true, 2),
              "Could not explore \"" + std::string(259, 'a') + "\".  This item was not found.");
}

// The worker thread reads the target while the shell works; a new link must not change it.
TEST_F(LaunchTest, SetLinkIsRefusedWhileTheJobIsBusy) {
    CLaunchJob job(m_shell, nullptr);
    ASSERT_TRUE(job.SetLink("www.first.com"));
    m_shell.Hold();
    ASSERT_TRUE(job.Start(nullptr, 0));
    ASSERT_TRUE(m_shell.WaitForCall());
    EXPECT_FALSE(job.SetLink("www.second.com"));
    EXPECT_EQ(job.GetTarget(), "http://www.first.com");
    m_shell.Release();
    job.Wait();
    EXPECT_TRUE(job.SetLink("www.second.com"));
    EXPECT_EQ(job.GetTarget(), "http://www.second.com");
}

}  // namespace
