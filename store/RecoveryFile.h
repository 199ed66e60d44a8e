// Where the list goes when the end of the Windows session finds changes that the data file
// cannot take (the write failed, or the file is protected): a file named after the data file
// with the date and time, "links (recovered 2026-12-07 14.30.05).dat", beside the data file or,
// when that folder cannot be written, in the documents folder.
#pragma once

#include <string>
#include <vector>

#include "store/DateTime.h"

// The places to try, in order. `documentsFolder` ends with a path separator.
std::vector<std::string> RecoveryFileCandidates(const std::string& dataFile,
                                                const std::string& documentsFolder,
                                                const CCivilTime& now);
