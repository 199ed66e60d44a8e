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
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(before, ReadFileBytes(m_strDataFile));
    EXPECT_FALSE(FileExists(m_strDataFile + ".bak"));
}

TEST_F(EndToEnd, NewerVersionAnsweredYesEndsWithExitCodeOne) {
    const std::string newer = WriteNewerFile(2);
    CProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(Answer(program, IDYES));
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(1u, exitCode);
    EXPECT_EQ(newer, ReadFileBytes(m_strDataFile));
    EXPECT_FALSE(FileExists(m_strDataFile + ".bak"));
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
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(newer, ReadFileBytes(m_strDataFile));
    EXPECT_FALSE(FileExists(m_strDataFile + ".bak"));
}
