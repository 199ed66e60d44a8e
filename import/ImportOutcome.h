// CImportOutcome: how the import of one bookmark file ended, for the message the window shows
// and for counting the added links as changes.
#pragma once

#include <cstddef>

enum class EImportResult {
    imported,     // read to the end: "Imported %s link%s." (information icon)
    noFileName,   // the name was empty: "Please enter a filename ..." (stop icon)
    openFailed,   // "Could not open bookmark file ..." (exclamation icon)
    readFailed,   // the file could not be read (to its end): "Could not read from ..."
    declined,     // not a bookmark file, and the user chose not to go on: no message
    rewindFailed  // the file could not be read again from its start: "Did not find any links in"
};

struct CImportOutcome {
    EImportResult result = EImportResult::imported;
    // Links added to the list; they stay whatever the result.
    std::size_t imported = 0;
    // A link could not be stored for lack of memory; the import ended there.
    bool outOfMemory = false;
};
