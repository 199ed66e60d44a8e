// CCommandLine: what the program was asked to do on its command line. Without arguments it opens
// its window; `/export FILE [/data DATAFILE]` writes the collection as a bookmark file and exits;
// `/?` lists the options. Options are case-insensitive and start with '/' or '-'; a value with
// spaces is quoted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ECommand {
    openWindow,   // no arguments: the program as the user starts it
    exportFile,   // write the collection to m_strExportFile
    showHelp,     // "/?": list the options
    badArguments  // m_strError says what is wrong
};

struct CCommandLine {
    ECommand m_command = ECommand::openWindow;
    std::string m_strExportFile;
    std::string m_strDataFile;  // empty: the data file of the settings
    std::string m_strError;
};

// Splits the arguments as the system's command line holds them: blanks separate arguments, and
// double quotes group blanks into one argument (a backslash is an ordinary character, so quoted
// folder names ending in '\' stay whole).
std::vector<std::string> SplitArguments(std::string_view arguments);
// Parses the arguments that follow the program's name.
CCommandLine ParseCommandLine(std::string_view arguments);
// The text that "/?" shows.
std::string CommandLineHelp();
