#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "mainwnd/LaunchJob.h"
#include "mainwnd/LaunchTarget.h"
#include "mainwnd/ShellLauncher.h"

namespace {

// A shell that records what it is asked, and on which thread, and answers from a table of
// folders. Hold keeps the next Execute calls waiting until Release (or ten seconds, so that a
// broken test fails instead of hanging).
class CFakeShell : public CShellLauncher {
public:
    int Execute(const std::string& verb, const std::string& target) override {
        std::unique_lock<std::mutex> guard(m_mutex);
        m_calls.push_back(verb + " " + target);
        m_executedOn = std::this_thread::get_id();
        m_changed.notify_all();
        m_changed.wait_for(guard, std::chrono::seconds(10), [this] { return !m_bHold; });
        return m_nResult;
    }
    bool IsFolder(const std::string& path) override {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_asked.push_back(path);
        m_askedOn.push_back(std::this_thread::get_id());
        return m_folders.count(path) != 0;
    }
    void Hold(bool hold) {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_bHold = hold;
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
    std::vector<std::thread::id> m_askedOn;
    std::thread::id m_executedOn;

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
        m_messages.clear();
        CLaunchJob job(m_shell,
                       [this](const std::string& message) { m_messages.push_back(message); });
        EXPECT_TRUE(job.SetLink(text));
        EXPECT_TRUE(job.Start(nullptr, 0));
        job.Wait();
        m_nResult = job.GetResult();
        return m_shell.m_calls.empty() ? std::string() : m_shell.m_calls.back();
    }

    CFakeShell m_shell;
    std::vector<std::string> m_messages;
    int m_nResult = -1;
};

TEST_F(LaunchTest, LinkIsTrimmedGivenTheSchemeAfterWwwAndExploredWhenAFolder) {
    m_shell.m_folders = {"C:\\Links", "C:\\My Links", "D:x"};
    const struct {
        const char* text;
        const char* call;
        const char* asked;  // what the file system was asked ("" nothing); nullptr: not checked
    } cases[] = {
        {"www.example.com", "open http://www.example.com", nullptr},
        {"WWW.x", "open http://WWW.x", nullptr},
        {"www.", "open www.", nullptr},
        {"www", "open www", ""},
        {"wwwx.example.com", "open wwwx.example.com", nullptr},
        {"http://www.example.com", "open http://www.example.com", nullptr},
        {"example.com/www.x", "open example.com/www.x", nullptr},
        // Blanks at both ends never reach the shell; trimming comes before the "www." test.
        {" \t\r\n\v\fwww.example.com \t\r\n\v\f", "open http://www.example.com", nullptr},
        {"   www.", "open www.", nullptr},
        {"  C:\\Notes\\a b.txt\r\n", "open C:\\Notes\\a b.txt", "C:\\Notes\\a b.txt"},
        {"\tC:\\My Links\\ ", "explore C:\\My Links\\", "C:\\My Links"},
        {"C:\\Links", "explore C:\\Links", "C:\\Links"},
        {"C:\\Links\\", "explore C:\\Links\\", "C:\\Links"},
        {"C:\\Links\\file.txt", "open C:\\Links\\file.txt", "C:\\Links\\file.txt"},
        {"C:\\Missing\\", "open C:\\Missing\\", "C:\\Missing"},
        // A drive root is explored without asking; other three-character paths are never folders.
        {"D:\\", "explore D:\\", ""},
        {" Z:\\ ", "explore Z:\\", ""},
        {"D:x", "open D:x", ""},
        {"D/\\", "open D/\\", ""},
    };
    for (const auto& c : cases) {
        m_shell.m_asked.clear();
        EXPECT_EQ(c.call, Launch(c.text)) << '"' << c.text << '"';
        EXPECT_LE(m_shell.m_asked.size(), 1u);
        if (c.asked) {
            EXPECT_EQ(c.asked, m_shell.m_asked.empty() ? "" : m_shell.m_asked[0]) << c.text;
        }
        EXPECT_EQ(m_nResult, 0);
        EXPECT_TRUE(m_messages.empty());
    }
}

TEST_F(LaunchTest, IsFolderPathLimitsTheLengthOfWhatItAsks) {
    const std::string longest = "C:\\" + std::string(256, 'f');
    m_shell.m_folders = {longest, longest + "g", "C:"};
    EXPECT_FALSE(IsFolderPath("", m_shell));
    EXPECT_FALSE(IsFolderPath("C:", m_shell));
    EXPECT_TRUE(IsFolderPath(longest, m_shell));
    EXPECT_FALSE(IsFolderPath(longest + "g", m_shell));
    EXPECT_EQ(m_shell.m_asked, std::vector<std::string>({longest}));
}

TEST_F(LaunchTest, EachShellFailureGivesItsMessageWithTheTargetCutAt259) {
    const std::string association =
        "Could not open \"a.xyz\".  You may need to use Windows Explorer to set up an association "
        "for this item.";
    const std::string long259 = std::string(259, 'a');
    const struct {
        std::string target;
        int shellResult;
        std::string message;  // empty: launched
    } cases[] = {
        {"C:\\gone.txt", 2, "Could not open \"C:\\gone.txt\".  This item was not found."},
        {"C:\\x\\y.txt", 3, "Could not open \"C:\\x\\y.txt\".  This item's path was not found."},
        {"C:\\secret", 5, "Could not open \"C:\\secret\".  Windows denied access to this item."},
        {"big.doc", 8,
         "Could not open \"big.doc\".  There isn't enough available memory.  Try closing "
         "another application."},
        {"a.xyz", 27, association},
        {"a.xyz", 31, association},
        {"a.xyz", 0, "Could not open \"a.xyz\"."},
        {"a.xyz", 26, "Could not open \"a.xyz\"."},
        {"a.xyz", 32, "Could not open \"a.xyz\"."},
        {"D:\\", 3, "Could not explore \"D:\\\".  This item's path was not found."},
        {long259 + "bcd", 2, "Could not open \"" + long259 + "\".  This item was not found."},
        {"a.xyz", 33, ""},  // above 32 is success
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target + " " + std::to_string(c.shellResult));
        m_shell.m_nResult = c.shellResult;
        const std::string call = Launch(c.target);
        EXPECT_EQ(c.target, call.substr(call.find(' ') + 1)) << "the shell gets it whole";
        EXPECT_EQ(c.message, m_messages.empty() ? "" : m_messages[0]);
        EXPECT_LE(m_messages.size(), 1u);
        EXPECT_EQ(m_nResult, c.message.empty() ? 0 : 2);
    }
    EXPECT_EQ(LaunchFailureText(long259 + "b", true, 2),
              "Could not explore \"" + long259 + "\".  This item was not found.");
}

// The folder question can take seconds on an unreachable network path: only the worker asks it.
TEST_F(LaunchTest, FolderIsAskedAboutOnTheWorkerThreadNotBySetLink) {
    m_shell.m_folders = {"C:\\Links"};
    CLaunchJob job(m_shell, nullptr);
    ASSERT_TRUE(job.SetLink("C:\\Links"));
    EXPECT_TRUE(m_shell.m_asked.empty());
    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    ASSERT_EQ(1u, m_shell.m_askedOn.size());
    EXPECT_NE(std::this_thread::get_id(), m_shell.m_askedOn[0]);
    EXPECT_EQ(m_shell.m_executedOn, m_shell.m_askedOn[0]);
    EXPECT_EQ(m_shell.m_calls, std::vector<std::string>({"explore C:\\Links"}));
}

// The worker thread reads the target while the shell works; a new link must not change it.
TEST_F(LaunchTest, SetLinkIsRefusedWhileTheJobIsBusy) {
    CLaunchJob job(m_shell, nullptr);
    ASSERT_TRUE(job.SetLink("www.first.com"));
    m_shell.Hold(true);
    ASSERT_TRUE(job.Start(nullptr, 0));
    ASSERT_TRUE(m_shell.WaitForCall());
    EXPECT_FALSE(job.SetLink("www.second.com"));
    EXPECT_EQ(job.GetTarget(), "http://www.first.com");
    m_shell.Hold(false);
    job.Wait();
    EXPECT_TRUE(job.SetLink("www.second.com"));
    EXPECT_EQ(job.GetTarget(), "http://www.second.com");
}

}  // namespace
