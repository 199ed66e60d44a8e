// The command line: parsing of /export, /data and /?, and the export command's refusals. The
// written file and the texts shown are checked on the real program under Wine.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "store/PosixFileSystem.h"
#include "tests/core/TestSupport.h"

namespace {

struct CParseCase {
    const char* arguments;
    ECommand command;
    const char* exportFile;
    const char* dataFile;
    const char* error;
};

const CParseCase parseCases[] = {
    {"", ECommand::openWindow, "", "", ""},
    {"/export out.html", ECommand::exportFile, "out.html", "", ""},
    {"-EXPORT out.html /Data links.dat", ECommand::exportFile, "out.html", "links.dat", ""},
    {"/data \"C:\\My Links\\links.dat\" /export \"C:\\Out Folder\\b m.html\"", ECommand::exportFile,
     "C:\\Out Folder\\b m.html", "C:\\My Links\\links.dat", ""},
    // A file name that starts like an option is still the value of /export.
    {"/export /tmp/out.html", ECommand::exportFile, "/tmp/out.html", "", ""},
    {"/export \"C:\\Out\\\\\"", ECommand::exportFile, "C:\\Out\\\\", "", ""},
    {"/export out.html /?", ECommand::showHelp, "", "", ""},
    {"/export", ECommand::badArguments, "", "", "The /export option needs a file name."},
    {"/export \"\"", ECommand::badArguments, "", "", "The /export option needs a file name."},
    {"/export /data x.dat", ECommand::badArguments, "", "",
     "The /export option needs a file name."},
    {"/export a /export b", ECommand::badArguments, "", "", "The /export option is given twice."},
    {"/export a /import b", ECommand::badArguments, "", "", "Unknown option \"/import\"."},
    {"/export a stray", ECommand::badArguments, "", "", "Unexpected argument \"stray\"."},
    {"/data links.dat", ECommand::badArguments, "", "",
     "The /data option is used only with /export."},
};

TEST(CommandLine, ParsesOptionsFileNamesAndMistakes) {
    for (const CParseCase& c : parseCases) {
        SCOPED_TRACE(c.arguments);
        const CCommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(c.command, line.m_command);
        EXPECT_EQ(c.error, line.m_strError);
        if (c.command != ECommand::exportFile) continue;
        EXPECT_EQ(c.exportFile, line.m_strExportFile);
        EXPECT_EQ(c.dataFile, line.m_strDataFile);
    }
}

class ExportCommand : public ::testing::Test {
protected:
    CCommandResult Run(const std::string& target) {
        return RunExport(m_fs, m_clock, m_strData, target, CNumberFormatter());
    }

    CSystemClock m_clock;
    CPosixFileSystem m_fs;
    CTempFolder m_folder;
    const std::string m_strData = m_folder.File("links.dat");
    const std::string m_strTarget = m_folder.File("bookmarks.html");
};

TEST_F(ExportCommand, WritesNothingUnlessTheDataFileWasReadWhole) {
    std::string newer = MakeDataFileBytes(3);
    newer[0] = 3;
    const std::string whole = MakeDataFileBytes(3);
    // No data file at all, then a newer one, then a truncated one.
    for (const std::string& bytes : {std::string(), newer, whole.substr(0, whole.size() - 5)}) {
        if (!bytes.empty()) WriteFileBytes(m_strData, bytes);
        const CCommandResult result = Run(m_strTarget);
        EXPECT_EQ(exitDataFileUnreadable, result.m_nExitCode) << result.m_strMessage;
        EXPECT_NE(std::string::npos, result.m_strMessage.find(m_strData));
        EXPECT_FALSE(FileExists(m_strTarget));
    }
}

// Written over, the data file would lose the collection.
TEST_F(ExportCommand, RefusesTheDataFileAsTarget) {
    WriteDataFile(m_strData, 2);
    const std::string before = ReadFileBytes(m_strData);
    EXPECT_EQ(exitBadArguments, Run(m_strData).m_nExitCode);
    EXPECT_EQ(before, ReadFileBytes(m_strData));
}

}  // namespace
