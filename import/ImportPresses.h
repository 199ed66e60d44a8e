// What an import does to the saving counters: every added link counts as a Save press, but the
// data file is written at most once, when the import of the file has ended, so that a large
// import does not write the whole list again every few links.
#pragma once

#include <cstddef>

#include "store/SavePressPolicy.h"

struct CImportPresses {
    // The counter after the import when no write is made, or when the write fails.
    int m_nSavePresses = 0;
    // The press limit was reached: the window writes the data file now, once.
    bool m_bWriteNow = false;
    // The counter after a successful write: the presses counted after the last one that reached
    // the limit, as if each such press had written.
    int m_nPressesAfterWrite = 0;
    bool m_bModified = false;

    // The counter and modified mark to keep once the write (if any) is done.
    void WriteFinished(bool written);
};

// Counts `links` imported links on top of `savePresses`; no links change nothing.
CImportPresses CountImportedLinks(const CSavePressPolicy& policy, int savePresses,
                                  std::size_t links);
