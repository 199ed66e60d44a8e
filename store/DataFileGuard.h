// CDataFileGuard: keeps the current data file from being replaced by a list that holds less than
// the file. After a load that did not read the whole file (a newer version refused, a read
// failure, a path that is not a readable file) the file is protected for the run: no automatic
// write (after Save presses, on the timer, on closing, at the end of the session) replaces it,
// and the user is told once. The protection ends when the user saves to the file himself or a
// load reads a file completely. Beside that, a list that is empty and unchanged is never written:
// it is empty because nothing was read.
#pragma once

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
    bool IsProtected() const { return m_bProtected; }
    EWriteDecision Decide(EWriteTrigger trigger, bool modified, bool listEmpty) const;

    // Operations
    // A load that replaced the list ended with `result` (appending leaves the guard alone).
    void Loaded(ELoadResult result);
    // The current data file was written for `trigger`.
    void Written(EWriteTrigger trigger);
    // True the first time it is asked after the protection began: the user is told once why his
    // changes are not being saved.
    bool TakeNotice();

private:
    bool m_bProtected = false;
    bool m_bNoticeGiven = false;
};
