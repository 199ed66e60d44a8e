// What leaving the program saves: the pending edit, the data file and the search terms.
#include <gtest/gtest.h>

#include "store/ExitSave.h"

TEST(Closing, ExitSavesByWayOptionsAndState) {
    struct {
        const char* what;
        EExitWay way;
        bool saveOnExit, saveOnClose, modified, empty;
        bool writes;
    } const cases[] = {
        {"closing, changed", EExitWay::closing, true, true, true, false, true},
        {"closing, unchanged", EExitWay::closing, true, true, false, false, false},
        {"closing, option off", EExitWay::closing, true, false, true, false, false},
        {"closing, emptied by the user", EExitWay::closing, true, true, true, true, true},
        {"session end, unchanged", EExitWay::sessionEnd, true, false, false, false, true},
        {"session end, nothing was read", EExitWay::sessionEnd, true, true, false, true, false},
        {"session end, newer file left alone", EExitWay::sessionEnd, false, true, true, false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CExitSave exit;
        exit.way = c.way;
        exit.saveOnExit = c.saveOnExit;
        exit.saveOnClose = c.saveOnClose;
        EXPECT_EQ(c.writes, exit.WritesDataFile(c.modified, c.empty));
        EXPECT_EQ(c.saveOnExit, exit.SavesSearchTerms());
        EXPECT_EQ(c.saveOnExit, exit.SavesEditor(true));
    }
    CExitSave exit;
    exit.moveSave = false;
    EXPECT_FALSE(exit.SavesEditor(true));
}
