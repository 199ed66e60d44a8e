// CUndoResult: what a change made through the undo history did to the list, so that the window
// can refresh its rows and the editor, and the failure it has to report.
#pragma once

#include <cstddef>

#include "store/LinkItem.h"

struct CUndoResult {
    enum EChange {
        none,      // the list is as it was
        modified,  // the texts of the record at `row` changed; it kept its row
        appended,  // `count` rows from `row` on are new, at the end of the list
        removed    // `count` rows were taken out
    };

    EChange change = none;
    std::size_t row = 0;
    std::size_t count = 0;
    // The record the editor shows, when the step changed it: the window shows it again.
    const CLinkItem* showRecord = nullptr;
    // A failure to report with the exclamation icon, or nullptr.
    const char* message = nullptr;
};
