// The texts of the bookmark file finder: its message, its status lines and the Find button's
// two captions.
#pragma once

#include <cstddef>
#include <string>

#include "controls/NumberFormatter.h"

constexpr const char* kFindCaption = "&Find";
constexpr const char* kStopCaption = "S&top";

// Shown with no icon when the trimmed pattern is empty or longer than 255 characters.
std::string MessagePatternLength();
// Shown with no icon by Select when no found file is selected.
std::string MessageSelectFile();
// Status lines.
std::string StatusSearching();
std::string StatusOutOfMemory();
std::string StatusListFailed();
// "Found 3 files in 0.5 seconds." after `elapsedMs` milliseconds, preceded by "File searching
// stopped.  " when the user stopped the walk. The seconds take one decimal, and a decimal comma
// when the thousands separator in use is a dot or a space.
std::string FinderSummary(std::size_t found, unsigned long long elapsedMs, bool stopped,
                          const CNumberFormatter& formatter);
