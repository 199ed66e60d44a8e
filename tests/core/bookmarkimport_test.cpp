// The Import button's core: file names, the message of each outcome, and how an import counts
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
    const std::string missing = "/no/such/" + std::string(300, 'n');
    const struct {
        const char* name;
        std::string typed;
        bool answer;
        EImportResult result;
        std::string message;
        EImportIcon icon;
    } cases[] = {
        {"blank name", " \t ", true, EImportResult::noFileName,
         "Please enter a filename (with its path) before pressing the Import button.  You could "
         "either type in this filename, press the Browse button and select a file, or press the "
         "Find button, click on a filename when it appears in the list box and press the Select "
         "button.",
         EImportIcon::stop},
        {"missing, name cut", missing, true, EImportResult::openFailed,
         "Could not open bookmark file \"" + missing.substr(0, 259) + "\".",
         EImportIcon::exclamation},
        {"name trimmed", " " + data + "/bookmarks-edge.html\n", true, EImportResult::imported,
         "Imported 5 links.", EImportIcon::information},
        {"not bookmarks, No", data + "/example.dat", false, EImportResult::declined, "",
         EImportIcon::none},
        {"not bookmarks, Yes", data + "/example.dat", true, EImportResult::imported,
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
    CImportOutcome outcome;
    outcome.imported = 12345;
    outcome.outOfMemory = true;
    EXPECT_EQ("Out of memory.  Try closing another program.  Imported 12.345 links.",
              ImportMessage(outcome, "f", CNumberFormatter(true, '.')).text);
    outcome.result = EImportResult::rewindFailed;
    EXPECT_EQ("Did not find any links in \"f\".",
              ImportMessage(outcome, "f", CNumberFormatter()).text);
    EXPECT_EQ("Could not read from \"f\".", MessageCannotRead("f"));
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
        {true, 5, 0, 7, true, 2, 7},    // the presses after the fifth stay counted
        {true, 5, 3, 12, true, 0, 15},  // the limit reached three times: still one write
        {true, 5, 5, 1, true, 0, 6},    // a failed write left the counter at the limit
        {false, 5, 0, 7, false, 0, 0},  // presses not counted: only the modified mark
        {true, 5, 2, 0, false, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.presses << " + " << c.links << " at " << c.limit);
        CImportPresses written = CountImportedLinks({c.saveOnPresses, c.limit}, c.presses, c.links);
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
