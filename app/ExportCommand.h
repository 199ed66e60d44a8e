// The /export command: reads the data file and writes its links as a bookmark file, with the
// text to show and the process's exit code for each outcome.
#pragma once

#include <string>

#include "controls/NumberFormatter.h"
#include "store/Clock.h"
#include "store/FileSystem.h"

// The exit codes of the command-line modes.
enum EExitCode {
    exitSuccess = 0,
    exitBadArguments = 1,
    exitDataFileUnreadable = 2,  // missing, damaged, or written by a newer version
    exitWriteFailed = 3
};

struct CCommandResult {
    int m_nExitCode = exitSuccess;
    std::string m_strMessage;
};

// Exports the links of `dataFile` to `target`. Both paths should be full paths, so that a target
// naming the data file itself is recognised and refused. Nothing is written unless the data file
// was read completely; a failed write leaves no file behind.
CCommandResult RunExport(CFileSystem& fileSystem, const CClock& clock, const std::string& dataFile,
                         const std::string& target, const CNumberFormatter& numbers);
