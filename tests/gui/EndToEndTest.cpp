// The real VeltrimLinks.exe, started as a user starts it, with a prepared data file in the
// Documents folder of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/DocumentsFolder.h"
#include "res/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/ProgramUnderTest.h"

namespace {

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        CProgramUnderTest::SetShowDayTip(false);
        m_strDataFile = FindDocumentsFolder() + "VeltrimLinks.dat";
        ::DeleteFileA(m_strDataFile.c_str());
        ::DeleteFileA((m_strDataFile + ".bak").c_str());
    }
    void TearDown() override {
        ::DeleteFileA(m_strDataFile.c_str());
        ::DeleteFileA((m_strDataFile + ".bak").c_str());
    }
    // A data file of `count` records whose version (3) the program cannot read.
    std::string WriteNewerFile(int count) {
        std::string newer = MakeDataFileBytes(count);
        newer[0] = 3;
        WriteFileBytes(m_strDataFile, newer);
        return newer;
    }
    // Answers the program's next question.
    static bool Answer(const CProgramUnderTest& program, int answer) {
        HWND question = program.WaitForWindow("VeltrimLinks", "#32770");
        if (question) ::PostMessageA(question, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        return question != nullptr;
    }

    // Waits for the program's end; checks its exit code, and the data file left as `bytes` with
    // no backup.
    void ExpectEnd(CProgramUnderTest& program, DWORD code, const std::string& bytes) {
        DWORD exitCode = 99;
        ASSERT_TRUE(program.WaitForExit(exitCode));
        EXPECT_EQ(code, exitCode);
        EXPECT_EQ(bytes, ReadFileBytes(m_strDataFile));
        EXPECT_FALSE(FileExists(m_strDataFile + ".bak"));
    }

    std::string m_strDataFile;
};

}  // namespace

TEST_F(EndToEnd, ShowsTheCollectionAndClosingLeavesTheFileUntouched) {
    WriteDataFile(m_strDataFile, 1234);
    const std::string before = ReadFileBytes(m_strDataFile);
    CProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForWindow("Veltrim Links");
    ASSERT_TRUE(main);
    EXPECT_EQ("1,234 links", WindowText(::GetDlgItem(main, IDC_LINK_COUNT)));
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ExpectEnd(program, 0, before);
}

TEST_F(EndToEnd, NewerVersionAnsweredYesEndsWithExitCodeOne) {
    const std::string newer = WriteNewerFile(2);
    CProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(Answer(program, IDYES));
    ExpectEnd(program, 1, newer);
}

// Seen: a version-3 file answered No, one record added, Close: the file was replaced by a
// one-record version-2 file.
TEST_F(EndToEnd, NewerVersionAnsweredNoIsNeverReplacedAndClosingAsks) {
    const std::string newer = WriteNewerFile(5);
    CProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(Answer(program, IDNO));
    HWND main = program.WaitForWindow("Veltrim Links");
    ASSERT_TRUE(main);
    ::SendMessageA(::GetDlgItem(main, IDC_TITLE), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>("Added after the refusal"));
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE, BN_CLICKED), 0);
    EXPECT_EQ("1 link", WindowText(::GetDlgItem(main, IDC_LINK_COUNT)));
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(Answer(program, IDYES)) << "closing asks before it drops the change";
    ExpectEnd(program, 0, newer);
}

// The command-line export: the real exe with redirected output, no window, its exit code.
class Export : public EndToEnd {
protected:
    // Runs "VeltrimLinks.exe /export TARGET" to its end; false when it showed its main window.
    bool RunExport(const std::string& target, DWORD& exitCode, std::string& output) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        const std::string outputFile = m_folder.File("output.txt");
        HANDLE handle = ::CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                      CREATE_ALWAYS, 0, nullptr);
        CProgramUnderTest program;
        const bool started = program.Start("/export \"" + target + "\"", handle);
        ::CloseHandle(handle);
        if (!started) return false;
        const bool windowShown = program.WaitForWindow("Veltrim Links") != nullptr;
        exitCode = 99;
        const bool ended = program.WaitForExit(exitCode);
        output = ReadFileBytes(outputFile);
        return ended && !windowShown;
    }

    CTempFolder m_folder;
    const std::string m_strTarget = m_folder.File("bookmarks.html");
};

TEST_F(Export, WritesTheFileAndPrintsTheLineWithoutAWindow) {
    WriteDataFile(m_strDataFile, 1234);
    DWORD exitCode;
    std::string output;
    ASSERT_TRUE(RunExport(m_strTarget, exitCode, output));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ("Exported 1,234 links to \"" + m_strTarget + "\".\r\n", output);
    const std::string written = ReadFileBytes(m_strTarget);
    EXPECT_EQ(0u, written.find("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    EXPECT_NE(std::string::npos, written.find(">Title 1233</A>"));
}

TEST_F(Export, ANewerDataFileOrAnUnwritableTargetLeavesNoFile) {
    WriteNewerFile(2);
    DWORD exitCode;
    std::string output;
    ASSERT_TRUE(RunExport(m_strTarget, exitCode, output));
    EXPECT_EQ(2u, exitCode) << output;
    EXPECT_FALSE(FileExists(m_strTarget));

    // A folder stands where the file should go: it cannot be replaced.
    WriteDataFile(m_strDataFile, 3);
    ASSERT_TRUE(::CreateDirectoryA(m_strTarget.c_str(), nullptr));
    ASSERT_TRUE(RunExport(m_strTarget, exitCode, output));
    EXPECT_EQ(3u, exitCode) << output;
    EXPECT_EQ("Could not write the bookmark file \"" + m_strTarget + "\".\r\n", output);
    EXPECT_EQ((std::vector<std::string>{"bookmarks.html", "output.txt"}), m_folder.List());
}
