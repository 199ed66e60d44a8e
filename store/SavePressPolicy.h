// CSavePressPolicy: the Saving option that writes the data file after a number of Save presses
// (saves made on leaving a record count as well). It decides; the main window writes the file
// and keeps the counter and the modified mark.
#pragma once

class CSavePressPolicy {
public:
    // What one press asks for, and the counter and modified mark to keep after it.
    struct CPress {
        int m_nSavePresses = 0;
        bool m_bWriteNow = false;
        bool m_bModified = true;
    };

    // Constructors
    CSavePressPolicy(bool saveOnPresses, int saveLimit)
        : m_bSaveOnPresses(saveOnPresses), m_nSaveLimit(saveLimit) {}

    // Operations
    // Counts one press on top of `savePresses`. When m_bWriteNow is set the caller writes the
    // data file and then passes the outcome to WriteFinished.
    CPress Press(int savePresses) const;
    // A successful write starts the count again and clears the modified mark. A failed one
    // leaves the list marked modified, so the change is still written later (on closing or by
    // the timer), and keeps the count at the limit, so the next press tries again.
    static void WriteFinished(CPress& press, bool written);

private:
    bool m_bSaveOnPresses;
    int m_nSaveLimit;
};
