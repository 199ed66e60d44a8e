// What leaving the program saves, which writes may replace the current data file, and where a
// list goes that the data file cannot take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/DataFileGuard.h"
#include "store/ExitSave.h"
#include "store/RecoveryFile.h"

TEST(Closing, LeavingWantsTheDataFileByWayOptionsAndState) {
    struct {
        const char* what;
        EExitWay way;
        bool saveOnExit, saveOnClose, modified;
        bool wants;
    } const cases[] = {
        {"closing, changed", EExitWay::closing, true, true, true, true},
        {"closing, unchanged", EExitWay::closing, true, true, false, false},
        {"closing, option off", EExitWay::closing, true, false, true, false},
        {"session end, unchanged, option off", EExitWay::sessionEnd, true, false, false, true},
        {"newer file left alone", EExitWay::sessionEnd, false, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CExitSave exit;
        exit.way = c.way;
        exit.saveOnExit = c.saveOnExit;
        exit.saveOnClose = c.saveOnClose;
        EXPECT_EQ(c.wants, exit.WantsDataFile(c.modified));
        EXPECT_EQ(c.saveOnExit, exit.SavesSearchTerms());
        EXPECT_EQ(c.saveOnExit, exit.SavesEditor(true));
    }
    CExitSave exit;
    exit.moveSave = false;
    EXPECT_FALSE(exit.SavesEditor(true));
}

// Seen: a version-3 file refused with No, one record added, Close: the file was replaced by a
// one-record version-2 file. Seen too: a file with 100 corrupted bytes replaced at the fifth Save.
TEST(Closing, AFileNotReadCompletelyIsNeverReplacedByAnAutomaticWrite) {
    const EWriteTrigger automatic[] = {EWriteTrigger::pressCount, EWriteTrigger::timer,
                                       EWriteTrigger::closing, EWriteTrigger::sessionEnd};
    const struct {
        const char* what;
        ELoadResult read;
        bool isProtected;
    } loads[] = {
        {"read completely", ELoadResult::loaded, false},
        {"first start", ELoadResult::notFound, false},
        {"newer version refused", ELoadResult::newerVersion, true},
        {"read failed or not a file", ELoadResult::readFailed, true},
        {"out of memory part way", ELoadResult::outOfMemory, true},
    };
    const std::string file = "C:\\Links\\links.dat";
    for (const auto& load : loads) {
        SCOPED_TRACE(load.what);
        CDataFileGuard guard;
        guard.Loaded(file, load.read);
        for (const EWriteTrigger trigger : automatic)
            EXPECT_EQ(load.isProtected ? EWriteDecision::protectedFile : EWriteDecision::write,
                      guard.Decide(file, trigger, true, false));
        EXPECT_EQ(EWriteDecision::write, guard.Decide(file, EWriteTrigger::user, true, false));
        // Told once; again only after the next load that protects.
        EXPECT_EQ(load.isProtected, guard.TakeNotice());
        EXPECT_FALSE(guard.TakeNotice());
        // The user's own save to the file ends the protection; an automatic one cannot.
        guard.Written(file, EWriteTrigger::sessionEnd);
        EXPECT_EQ(load.isProtected, guard.IsProtected(file));
        guard.Written(file, EWriteTrigger::user);
        EXPECT_FALSE(guard.IsProtected(file));
        guard.Loaded(file, load.read);
        EXPECT_EQ(load.isProtected, guard.TakeNotice());
        guard.Loaded(file, ELoadResult::loaded);
        EXPECT_FALSE(guard.IsProtected(file));
    }
}

// Seen: after a read failure another data file was chosen on the Saving page, and every timed and
// closing write to that new file was refused.
TEST(Closing, TheProtectionBelongsToThePathThatCouldNotBeRead) {
    const std::string damaged = "C:\\Links\\Mine.dat", other = "C:\\Links\\other.dat";
    CDataFileGuard guard;
    guard.Loaded(damaged, ELoadResult::readFailed);
    guard.Written(other, EWriteTrigger::user);
    guard.Loaded(other, ELoadResult::loaded);
    EXPECT_EQ(EWriteDecision::write, guard.Decide(other, EWriteTrigger::closing, true, false));
    EXPECT_TRUE(guard.IsProtected("c:\\links\\MINE.DAT"));
}

// Seen: Select All, Delete, Close: the file stayed as it was and every record came back.
TEST(Closing, AListTheUserEmptiedIsWrittenAndAnUnreadEmptyListIsNot) {
    CDataFileGuard guard;
    guard.Loaded("links.dat", ELoadResult::loaded);
    EXPECT_EQ(EWriteDecision::write, guard.Decide("links.dat", EWriteTrigger::closing, true, true));
    for (const EWriteTrigger trigger :
         {EWriteTrigger::sessionEnd, EWriteTrigger::user, EWriteTrigger::timer})
        EXPECT_EQ(EWriteDecision::nothingToWrite, guard.Decide("links.dat", trigger, false, true));
}

TEST(Closing, RecoveryFileIsNamedAfterTheDataFileWithTheTime) {
    const CCivilTime now{2026, 12, 7, 9, 5, 3};
    EXPECT_EQ((std::vector<std::string>{"C:\\Links\\mine (recovered 2026-12-07 09.05.03).dat",
                                        "C:\\Docs\\mine (recovered 2026-12-07 09.05.03).dat"}),
              RecoveryFileCandidates("C:\\Links\\mine.dat", "C:\\Docs\\", now));
    EXPECT_EQ((std::vector<std::string>{"C:\\Docs\\links.v2 (recovered 2026-12-07 09.05.03).bin"}),
              RecoveryFileCandidates("C:\\Docs\\links.v2.bin", "C:\\Docs\\", now));
    EXPECT_EQ("/tmp/x/.hidden (recovered 2026-12-07 09.05.03).dat",
              RecoveryFileCandidates("/tmp/x/.hidden", "C:\\Docs\\", now)[0]);
}
