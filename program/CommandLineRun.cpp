#include "program/CommandLineRun.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/DocumentsFolder.h"
#include "app/ExportCommand.h"
#include "app/RegistryProfile.h"
#include "app/Settings.h"
#include "app/SettingsStore.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "store/Clock.h"
#include "store/Win32FileSystem.h"
#include "store/Win32TextConv.h"

namespace {

// A standard handle that leads somewhere: a console, a pipe or a file.
bool IsUsable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool WriteAll(HANDLE handle, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 65536));
        if (!::WriteFile(handle, text.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Shows `text` where the user who started the program sees it: the standard output or error
// when they lead somewhere (a pipe, a file, or the terminal under Wine), else the console of the
// parent process, else a message box.
void Report(const std::string& text, bool error) {
    const std::string line = text + "\r\n";
    const HANDLE standard = ::GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (IsUsable(standard) && WriteAll(standard, line)) return;
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = ::CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr);
        const bool shown = console != INVALID_HANDLE_VALUE && WriteAll(console, line);
        if (console != INVALID_HANDLE_VALUE) ::CloseHandle(console);
        ::FreeConsole();
        if (shown) return;
    }
    AppMessageBox(nullptr, text, error ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
}

std::string FullPath(const std::string& path) {
    const DWORD size = ::GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::string full(size, '\0');
    const DWORD length = ::GetFullPathNameA(path.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

int Export(const CCommandLine& line) {
    static CWin32TextConv textConv;
    SetTextConv(&textConv);
    // The data file and the number format are the user's, as the window would use them.
    CRegistryProfile profile;
    CSettings settings;
    LoadSettings(profile, settings);
    std::string dataFile = line.m_strDataFile.empty() ? settings.m_strDataFile : line.m_strDataFile;
    if (dataFile.empty()) dataFile = FindDocumentsFolder() + CApplication::GetAppName() + ".dat";

    CWin32FileSystem fileSystem;
    CSystemClock clock;
    const CCommandResult result =
        RunExport(fileSystem, clock, FullPath(dataFile), FullPath(line.m_strExportFile),
                  CNumberFormatter(settings.m_bUseThousandsSep != 0, settings.m_chThousandsSep));
    Report(result.m_strMessage, result.m_nExitCode != exitSuccess);
    return result.m_nExitCode;
}

}  // namespace

int RunCommandLine(const CCommandLine& line) {
    switch (line.m_command) {
        case ECommand::exportFile:
            return Export(line);
        case ECommand::showHelp:
            Report(CommandLineHelp(), false);
            return exitSuccess;
        case ECommand::badArguments:
        default:
            Report(line.m_strError + "  Start VeltrimLinks /? for the options.", true);
            return exitBadArguments;
    }
}
