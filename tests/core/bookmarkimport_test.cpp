// The Import button's core: file names, the messages of each outcome, and how an import counts
// towards writing the data file.
#include <gtest/gtest.h>

#include <string>

#include "import/BookmarkImport.h"
#include "import/ImportPresses.h"
#include "import/ImportTexts.h"
#include "store/PosixFileSystem.h"
#include "store/TextTrim.h"
#include "tests/core/BookmarkTestSupport.h"

TEST(BookmarkImport, FileNamesAndTheirMessages) {
    const std::string data = VELTRIM_TEST_DATA;
    const std::string longName = "/no/such/" + std::string(300, 'n');
    const struct {
        const char* name;
        std::string typed;
        bool answer;
        EImportResult result;
        std::size_t imported;
        std::string message;
        EImportIcon icon;
    } cases[] = {
        {"blank name", " \t ", true, EImportResult::noFileName, 0,
         "Please enter a filename (with its path) before pressing the Import button.  You could "
         "either type in this filename, press the Browse button and select a file, or press the "
         "Find button, click on a filename when it appears in the list box and press the Select "
         "button.",
         EImportIcon::stop},
        {"missing file, name cut", longName, true, EImportResult::openFailed, 0,
         "Could not open bookmark file \"" + longName.substr(0, 259) + "\".",
         EImportIcon::exclamation},
        {"a folder", data, true, EImportResult::openFailed, 0,
         "Could not open bookmark file \"" + data + "\".", EImportIcon::exclamation},
        {"bookmark file, name trimmed", "  " + data + "/bookmarks-edge.html\n", true,
         EImportResult::imported, 5, "Imported 5 links.", EImportIcon::information},
        {"not a bookmark file, No", data + "/example.dat", false, EImportResult::declined, 0, "",
         EImportIcon::none},
        {"not a bookmark file, Yes", data + "/example.dat", true, EImportResult::imported, 0,
         "Imported 0 links.", EImportIcon::information},
    };
    CPosixFileSystem fileSystem;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLinkList list;
        std::string question;
        const CImportOutcome outcome = ImportBookmarkFile(
            fileSystem, c.typed, list, bookmarks::kNow, [&](const std::string& text) {
                question = text;
                return c.answer;
            });
        EXPECT_EQ(c.result, outcome.result);
        EXPECT_EQ(c.imported, outcome.imported);
        const CImportMessage message =
            ImportMessage(outcome, TrimText(c.typed), CNumberFormatter());
        EXPECT_EQ(c.message, message.text);
        EXPECT_EQ(c.icon, message.icon);
        if (!question.empty()) {
            EXPECT_EQ("\"" + data +
                          "/example.dat\" does not appear to be a standard bookmark "
                          "file.  Continue anyway?",
                      question);
        }
    }
}

TEST(BookmarkImport, OtherMessages) {
    const CNumberFormatter dots(true, '.');
    CImportOutcome outcome;
    outcome.imported = 1;
    EXPECT_EQ("Imported 1 link.", ImportMessage(outcome, "f", dots).text);
    outcome.imported = 12345;
    EXPECT_EQ("Imported 12.345 links.", ImportMessage(outcome, "f", dots).text);
    outcome.outOfMemory = true;
    const CImportMessage memory = ImportMessage(outcome, "f", dots);
    EXPECT_EQ("Out of memory.  Try closing another program.  Imported 12.345 links.", memory.text);
    EXPECT_EQ(EImportIcon::exclamation, memory.icon);
    outcome.result = EImportResult::readFailed;
    EXPECT_EQ("Could not read from \"f\".", ImportMessage(outcome, "f", dots).text);
    outcome.result = EImportResult::rewindFailed;
    EXPECT_EQ("Did not find any links in \"f\".", ImportMessage(outcome, "f", dots).text);
}

TEST(ImportPresses, OneWriteAtTheEndOfAnImport) {
    const struct {
        bool saveOnPresses;
        int limit;
        int presses;
        std::size_t links;
        bool write;
        int afterWrite;    // the counter after a successful write
        int afterFailure;  // the counter without a write, or after a failed one
    } cases[] = {
        {true, 5, 0, 7, true, 2, 7},  // the presses after the fifth stay counted
        {true, 5, 0, 4, false, 4, 4},
        {true, 5, 3, 12, true, 0, 15},  // the limit reached three
                                        // times: still one write
        {true, 5, 5, 1, true, 0, 6},    // a failed write left the counter at the limit
        {true, 1, 0, 3, true, 0, 3},
        {false, 5, 0, 7, false, 0, 0},
        {true, 5, 2, 0, false, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.presses << " + " << c.links << " at " << c.limit);
        const CSavePressPolicy policy(c.saveOnPresses, c.limit);
        CImportPresses written = CountImportedLinks(policy, c.presses, c.links);
        EXPECT_EQ(c.write, written.m_bWriteNow);
        EXPECT_EQ(c.links != 0, written.m_bModified);
        CImportPresses failed = written;
        written.WriteFinished(true);
        EXPECT_EQ(c.write ? c.afterWrite : c.afterFailure, written.m_nSavePresses);
        EXPECT_EQ(c.links != 0 && !c.write, written.m_bModified);
        failed.WriteFinished(false);
        EXPECT_EQ(c.afterFailure, failed.m_nSavePresses);
        EXPECT_EQ(c.links != 0, failed.m_bModified);
    }
}
