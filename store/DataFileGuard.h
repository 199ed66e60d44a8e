// CDataFileGuard: keeps a data file from being replaced by a list that holds less than the file.
// After a load that did not read the whole file (a newer version refused, a read failure, a path
// that is not a readable file) that path is protected for the run: no automatic write (after
// Save presses, on the timer, on closing, at the end of the session) replaces it, and the user
// is told once. Another path made the current data file is not protected. The protection of a
// path ends when the user saves to it himself or a load reads it completely. Paths are compared
// without case, as Windows compares them. Beside that, a list that is empty and unchanged is
// never written: it is empty because nothing was read.
#pragma once

#include <string>
#include <vector>

#include "store/DataFile.h"

// What asks for the current data file to be written.
enum class EWriteTrigger { pressCount, timer, closing, sessionEnd, user };

enum class EWriteDecision {
    write,
    nothingToWrite,  // an empty list that was never changed
    protectedFile    // an automatic write kept from a file that was not read completely
};

class CDataFileGuard {
public:
    // Attributes
    bool IsProtected(const std::string& path) const;
    // Whether the list may be written to `path` for `trigger`.
    EWriteDecision Decide(const std::string& path, EWriteTrigger trigger, bool modified,
                          bool listEmpty) const;

    // Operations
    // A load of `path` that replaced the list ended with `result` (appending leaves the guard
    // alone).
    void Loaded(const std::string& path, ELoadResult result);
    // The list was written to `path` for `trigger`.
    void Written(const std::string& path, EWriteTrigger trigger);
    // True the first time it is asked after a protection began: the user is told once why his
    // changes are not being saved.
    bool TakeNotice();

private:
    void Unprotect(const std::string& path);

    // The paths not read completely in this run.
    std::vector<std::string> m_protected;
    bool m_bNoticeGiven = false;
};
