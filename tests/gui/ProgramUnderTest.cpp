#include "tests/gui/ProgramUnderTest.h"

#include <vector>

#include "app/RegistryProfile.h"

namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "VeltrimLinks.exe";
}

struct CWindowSearch {
    DWORD processId;
    const char* caption;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM param) {
    auto* search = reinterpret_cast<CWindowSearch*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWnd, &processId);
    if (processId != search->processId || !::IsWindowVisible(hWnd)) return TRUE;
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    if (std::string(text) != search->caption) return TRUE;
    if (search->className) {
        char className[256] = {};
        ::GetClassNameA(hWnd, className, sizeof className);
        if (std::string(className) != search->className) return TRUE;
    }
    search->found = hWnd;
    return FALSE;
}

}  // namespace

CProgramUnderTest::~CProgramUnderTest() {
    if (!m_process.hProcess) return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(m_process.hProcess, 255);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

void CProgramUnderTest::SetShowDayTip(bool show) {
    CRegistryProfile().WriteInt("Misc", "Show Day Tip", show ? 1 : 0);
}

bool CProgramUnderTest::Start(const std::string& arguments, HANDLE output) {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    return ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, output ? TRUE : FALSE, 0,
                            nullptr, nullptr, &startup, &m_process) != FALSE;
}

HWND CProgramUnderTest::WaitForWindow(const char* caption, const char* className, DWORD timeoutMs,
                                      DWORD pollMs) const {
    const DWORD start = ::GetTickCount();
    for (;;) {
        CWindowSearch search = {m_process.dwProcessId, caption, className, nullptr};
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        if (::WaitForSingleObject(m_process.hProcess, pollMs) == WAIT_OBJECT_0) return nullptr;
    }
}

bool CProgramUnderTest::WaitForExit(DWORD& exitCode, DWORD timeoutMs) {
    if (::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return ::GetExitCodeProcess(m_process.hProcess, &exitCode) != FALSE;
}
