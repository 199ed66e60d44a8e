// Launching a link: the target made from the Link field, folders explored, the failure messages,
// and the shell asked on the job's worker thread.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/ShellLauncher.h"
#include "mainwnd/LaunchJob.h"
#include "mainwnd/LaunchTarget.h"

namespace {

// A shell that records what it is asked, and on which thread, and answers from a table of
// folders. With `m_hold` set, Execute waits until the test releases it (or ten seconds, so that a
// broken test fails instead of hanging).
class CFakeShell : public CShellLauncher {
public:
    int Execute(const std::string& verb, const std::string& target) override {
        m_calls.push_back(verb + " " + target);
        if (m_hold) {
            m_started.set_value();
            m_release.get_future().wait_for(std::chrono::seconds(10));
        }
        return m_nResult;
    }
    bool IsFolder(const std::string& path) override {
        m_asked.push_back(path);
        m_askedOn = std::this_thread::get_id();
        return m_folders.count(path) != 0;
    }

    std::set<std::string> m_folders;
    int m_nResult = 42;
    std::vector<std::string> m_calls;  // "verb target"
    std::vector<std::string> m_asked;  // paths asked about
    std::thread::id m_askedOn;
    bool m_hold = false;
    std::promise<void> m_started, m_release;
};

class LaunchTest : public ::testing::Test {
protected:
    // Launches `text` as the main window does and waits for the job's work to end; returns what
    // reached the shell.
    std::string Launch(const std::string& text) {
        m_messages.clear();
        m_shell.m_asked.clear();
        CLaunchJob job(m_shell,
                       [this](const std::string& message) { m_messages.push_back(message); });
        EXPECT_TRUE(job.SetLink(text));
        // The folder question can take seconds on an unreachable network path: only the worker
        // asks it.
        EXPECT_TRUE(m_shell.m_asked.empty());
        EXPECT_TRUE(job.Start(nullptr, 0));
        job.Wait();
        EXPECT_TRUE(m_shell.m_asked.empty() || m_shell.m_askedOn != std::this_thread::get_id());
        m_nResult = job.GetResult();
        return m_shell.m_calls.empty() ? std::string() : m_shell.m_calls.back();
    }

    CFakeShell m_shell;
    std::vector<std::string> m_messages;
    int m_nResult = -1;
};

}  // namespace

TEST_F(LaunchTest, LinkIsTrimmedGivenTheSchemeAfterWwwAndExploredWhenAFolder) {
    m_shell.m_folders = {"C:\\Links", "C:\\My Links", "D:x"};
    // The Link field, what reaches the shell, what the file system was asked ("": nothing,
    // nullptr: not checked).
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"www.example.com", "open http://www.example.com", nullptr},
        {"WWW.x", "open http://WWW.x", nullptr},
        {"www.", "open www.", nullptr},
        {"wwwx.example.com", "open wwwx.example.com", nullptr},
        {"example.com/www.x", "open example.com/www.x", nullptr},
        // Blanks at both ends never reach the shell; trimming comes before the "www." test.
        {" \t\r\n\v\fwww.example.com \t\r\n\v\f", "open http://www.example.com", nullptr},
        {"  C:\\Notes\\a b.txt\r\n", "open C:\\Notes\\a b.txt", "C:\\Notes\\a b.txt"},
        {"\tC:\\My Links\\ ", "explore C:\\My Links\\", "C:\\My Links"},
        {"C:\\Links\\file.txt", "open C:\\Links\\file.txt", "C:\\Links\\file.txt"},
        // A drive root is explored without asking; other three-character paths are never folders.
        {" Z:\\ ", "explore Z:\\", ""},
        {"D:x", "open D:x", ""}};
    for (const auto& [text, call, asked] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(call, Launch(text));
        EXPECT_LE(m_shell.m_asked.size(), 1u);
        const std::string first = m_shell.m_asked.empty() ? "" : m_shell.m_asked[0];
        EXPECT_EQ(asked ? asked : first, first);
        EXPECT_EQ(0, m_nResult);
        EXPECT_TRUE(m_messages.empty());
    }
    // Only paths of 4 to 259 characters are asked about.
    const std::string longest = "C:\\" + std::string(256, 'f');
    m_shell.m_folders = {longest, longest + "g", "C:"};
    m_shell.m_asked.clear();
    EXPECT_FALSE(IsFolderPath("C:", m_shell));
    EXPECT_FALSE(IsFolderPath(longest + "g", m_shell));
    EXPECT_TRUE(IsFolderPath(longest, m_shell));
    EXPECT_EQ(std::vector<std::string>{longest}, m_shell.m_asked);
}

TEST_F(LaunchTest, EachShellFailureGivesItsMessageWithTheTargetCutAt259) {
    const std::string association =
        "Could not open \"a.xyz\".  You may need to use Windows Explorer to set up an association "
        "for this item.";
    const std::string long259 = std::string(259, 'a');
    // The target, the shell's result, the message ("": launched).
    const std::tuple<std::string, int, std::string> cases[] = {
        {"C:\\gone.txt", 2, "Could not open \"C:\\gone.txt\".  This item was not found."},
        {"C:\\x\\y.txt", 3, "Could not open \"C:\\x\\y.txt\".  This item's path was not found."},
        {"C:\\secret", 5, "Could not open \"C:\\secret\".  Windows denied access to this item."},
        {"big.doc", 8,
         "Could not open \"big.doc\".  There isn't enough available memory.  Try closing "
         "another application."},
        {"a.xyz", 27, association},
        {"a.xyz", 31, association},
        {"a.xyz", 0, "Could not open \"a.xyz\"."},
        {"a.xyz", 32, "Could not open \"a.xyz\"."},
        {"D:\\", 3, "Could not explore \"D:\\\".  This item's path was not found."},
        {long259 + "bcd", 2, "Could not open \"" + long259 + "\".  This item was not found."},
        {"a.xyz", 33, ""}};  // above 32 is success
    for (const auto& [target, shellResult, message] : cases) {
        SCOPED_TRACE(target + " " + std::to_string(shellResult));
        m_shell.m_nResult = shellResult;
        const std::string call = Launch(target);
        EXPECT_EQ(target, call.substr(call.find(' ') + 1)) << "the shell gets it whole";
        EXPECT_EQ(message, m_messages.empty() ? "" : m_messages[0]);
        EXPECT_LE(m_messages.size(), 1u);
        EXPECT_EQ(message.empty() ? 0 : 2, m_nResult);
    }
}

// The worker thread reads the target while the shell works; a new link must not change it.
TEST_F(LaunchTest, SetLinkIsRefusedWhileTheJobIsBusy) {
    CLaunchJob job(m_shell, nullptr);
    ASSERT_TRUE(job.SetLink("www.first.com"));
    m_shell.m_hold = true;
    ASSERT_TRUE(job.Start(nullptr, 0));
    EXPECT_EQ(std::future_status::ready,
              m_shell.m_started.get_future().wait_for(std::chrono::seconds(10)));
    EXPECT_FALSE(job.SetLink("www.second.com"));
    EXPECT_EQ(job.GetTarget(), "http://www.first.com");
    m_shell.m_release.set_value();
    job.Wait();
    EXPECT_TRUE(job.SetLink("www.second.com"));
}
