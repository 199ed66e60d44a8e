// The finder's texts.
#include "import/FinderTexts.h"

#include <cstdio>

std::string MessagePatternLength() {
    return "The pattern's length is too short or too long.";
}

std::string MessageSelectFile() {
    return "Please select a file.";
}

std::string StatusSearching() {
    return "Searching...";
}

std::string StatusOutOfMemory() {
    return "Out of memory.  Try closing another program.";
}

std::string StatusListFailed() {
    return "Could not add to list box.  Try closing another program.";
}

std::string FinderSummary(std::size_t found, unsigned long long elapsedMs, bool stopped,
                          const CNumberFormatter& formatter) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%2.1f", static_cast<double>(elapsedMs) * 0.001);
    std::string secondsText = seconds;
    const bool singular = secondsText == "1.0";
    if (formatter.m_bUseSep && formatter.m_chSep != ',')
        for (char& c : secondsText)
            if (c == '.') c = ',';
    std::string text = stopped ? "File searching stopped.  " : "";
    text += FormatCount("Found %s file%s in ", static_cast<long long>(found), formatter);
    text += secondsText + " second" + (singular ? "" : "s") + ".";
    return text;
}
