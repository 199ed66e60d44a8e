#include "app/CommandLine.h"

#include <cctype>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The option's name without its leading '/' or '-', in lower case; empty for a plain argument.
std::string OptionName(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return std::string();
    std::string name = argument.substr(1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// The options this program knows; an argument after /export or /data that is none of them is
// taken as the file name, even when it starts with '/' or '-'.
bool IsOption(const std::string& argument) {
    const std::string name = OptionName(argument);
    return name == "?" || name == "export" || name == "data";
}

CCommandLine Bad(std::string error) {
    CCommandLine line;
    line.m_command = ECommand::badArguments;
    line.m_strError = std::move(error);
    return line;
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view arguments) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < arguments.size()) {
        while (i < arguments.size() && IsBlank(arguments[i])) ++i;
        if (i == arguments.size()) break;
        std::string argument;
        bool quoted = false;
        for (; i < arguments.size() && (quoted || !IsBlank(arguments[i])); ++i) {
            if (arguments[i] == '"')
                quoted = !quoted;
            else
                argument += arguments[i];
        }
        result.push_back(std::move(argument));
    }
    return result;
}

CCommandLine ParseCommandLine(std::string_view arguments) {
    const std::vector<std::string> args = SplitArguments(arguments);
    CCommandLine line;
    bool exportGiven = false;
    bool dataGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string name = OptionName(args[i]);
        if (name == "?") {
            line.m_command = ECommand::showHelp;
            return line;
        }
        const bool isExport = name == "export";
        if (!isExport && name != "data")
            return Bad(name.empty() ? "Unexpected argument \"" + args[i] + "\"."
                                    : "Unknown option \"" + args[i] + "\".");
        bool& given = isExport ? exportGiven : dataGiven;
        if (given) return Bad("The " + args[i] + " option is given twice.");
        if (i + 1 == args.size() || args[i + 1].empty() || IsOption(args[i + 1]))
            return Bad("The " + args[i] + " option needs a file name.");
        given = true;
        (isExport ? line.m_strExportFile : line.m_strDataFile) = args[++i];
    }
    if (dataGiven && !exportGiven) return Bad("The /data option is used only with /export.");
    if (exportGiven) line.m_command = ECommand::exportFile;
    return line;
}

std::string CommandLineHelp() {
    return "VeltrimLinks [/export FILE [/data DATAFILE]]\r\n"
           "\r\n"
           "Without options, VeltrimLinks opens its window.\r\n"
           "  /export FILE      Writes the links to FILE as a bookmark file that web browsers\r\n"
           "                    import, and exits without opening a window.\r\n"
           "  /data DATAFILE    Reads the links from DATAFILE instead of the current data file.\r\n"
           "  /?                Shows this text.\r\n"
           "\r\n"
           "Exit codes: 0 exported, 1 wrong options, 2 the data file could not be read, 3 the\r\n"
           "bookmark file could not be written.\r\n";
}
