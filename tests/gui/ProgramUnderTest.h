// CProgramUnderTest: VeltrimLinks.exe (beside the test program) in a process of its own, with
// ways to find its windows and wait for its end. The process is ended if a test leaves it
// running.
#pragma once

#include <windows.h>

#include <string>

class CProgramUnderTest {
public:
    CProgramUnderTest() = default;
    ~CProgramUnderTest();
    CProgramUnderTest(const CProgramUnderTest&) = delete;
    CProgramUnderTest& operator=(const CProgramUnderTest&) = delete;

    // The program's "Show Day Tip" setting in the user's registry: a program started without it
    // shows its main window alone.
    static void SetShowDayTip(bool show);

    // Starts the program with `arguments` after its name; its standard output and error go to
    // `output` when one is given.
    bool Start(const std::string& arguments = std::string(), HANDLE output = nullptr);
    // A visible top-level window of the process with this caption (and class, when given);
    // nullptr after `timeoutMs`. Looks every `pollMs`.
    HWND WaitForWindow(const char* caption, const char* className = nullptr,
                       DWORD timeoutMs = 20000, DWORD pollMs = 20) const;
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 20000);

private:
    PROCESS_INFORMATION m_process = {};
};
