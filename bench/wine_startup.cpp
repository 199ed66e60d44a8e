// Measures, under Wine, the time from starting VeltrimLinks.exe to its main window showing a
// collection, and to the program having closed again; once with an empty collection and once
// with 100,000 records; then "/export" of the 100,000 records, start to exit. Each figure is the
// median of several runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/DocumentsFolder.h"
#include "res/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/ProgramUnderTest.h"

namespace {

struct CTimes {
    double shownMs;
    double closedMs;
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool RunOnce(const std::string& expectedCount, CTimes& times) {
    LARGE_INTEGER start, shown, closed;
    ::QueryPerformanceCounter(&start);
    CProgramUnderTest program;
    if (!program.Start()) return false;
    HWND main = program.WaitForWindow("Veltrim Links", nullptr, 60000, 1);
    if (!main) return false;
    // The counter is filled after the load: wait until it shows the whole collection.
    const DWORD waitStart = ::GetTickCount();
    while (WindowText(::GetDlgItem(main, IDC_LINK_COUNT)) != expectedCount) {
        if (::GetTickCount() - waitStart > 60000) return false;
        ::Sleep(1);
    }
    ::QueryPerformanceCounter(&shown);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    DWORD exitCode = 0;
    if (!program.WaitForExit(exitCode, 60000)) return false;
    ::QueryPerformanceCounter(&closed);
    times = {Milliseconds(start, shown), Milliseconds(start, closed)};
    return true;
}

bool Measure(const char* name, const std::string& expectedCount, int runs) {
    std::vector<double> shown, closed;
    for (int i = 0; i < runs; ++i) {
        CTimes times;
        if (!RunOnce(expectedCount, times)) {
            std::printf("%s: the program did not start and close as expected\n", name);
            return false;
        }
        shown.push_back(times.shownMs);
        closed.push_back(times.closedMs);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(closed.begin(), closed.end());
    std::printf(
        "%-22s start to window shown %8.1f ms   start to closed %8.1f ms   (median of %d)\n", name,
        shown[shown.size() / 2], closed[closed.size() / 2], runs);
    return true;
}

// Runs "VeltrimLinks.exe /export TARGET" to its end, `runs` times.
bool MeasureExport(const std::string& target, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        ::DeleteFileA(target.c_str());
        LARGE_INTEGER start, ended;
        ::QueryPerformanceCounter(&start);
        // The program's line goes to NUL: with no output at all it would show a message box.
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE nul = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                   0, nullptr);
        CProgramUnderTest program;
        DWORD exitCode = 99;
        const bool started = program.Start("/export \"" + target + "\"", nul);
        ::CloseHandle(nul);
        if (!started || !program.WaitForExit(exitCode, 60000) || exitCode != 0) {
            std::printf("/export: the program did not export as expected\n");
            return false;
        }
        ::QueryPerformanceCounter(&ended);
        times.push_back(Milliseconds(start, ended));
    }
    std::sort(times.begin(), times.end());
    const double megabytes = static_cast<double>(ReadFileBytes(target).size()) / 1e6;
    const double ms = times[times.size() / 2];
    std::printf(
        "/export 100,000 records start to exit %8.1f ms   %.1f MB, %.1f MB/s   (median of %d)\n",
        ms, megabytes, megabytes * 1000.0 / ms, runs);
    ::DeleteFileA(target.c_str());
    return true;
}

}  // namespace

int main() {
    CProgramUnderTest::SetShowDayTip(false);
    const std::string dataFile = FindDocumentsFolder() + "VeltrimLinks.dat";
    const std::string backup = dataFile + ".bak";
    ::DeleteFileA(dataFile.c_str());
    ::DeleteFileA(backup.c_str());
    bool ok = Measure("empty data file", "0 links", 5);
    WriteDataFile(dataFile, 100000);
    ok = ok && Measure("100,000 records", "100,000 links", 5);
    ok = ok && MeasureExport(FindDocumentsFolder() + "VeltrimLinks export.html", 5);
    ::DeleteFileA(dataFile.c_str());
    ::DeleteFileA(backup.c_str());
    return ok ? 0 : 1;
}
