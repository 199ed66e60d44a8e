// A main window of the real program over a data file, created without a modal loop, for the
// measurements under Wine, and the clock they use.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/MemoryProfile.h"
#include "app/Win32ShellLauncher.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "store/Win32FileSystem.h"
#include "tests/gui/GuiTestSupport.h"

namespace bench {

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

inline double Now() {
    LARGE_INTEGER now, zero = {};
    ::QueryPerformanceCounter(&now);
    return Milliseconds(zero, now);
}

template <typename Action>
double Time(CLinksDlg& dlg, Action action) {
    dlg.PumpMessages();
    const double start = Now();
    action();
    dlg.PumpMessages();
    return Now() - start;
}

struct COptions {
    bool typos = false;
    bool interruptible = false;
    bool searchCategory = false;
};

// A main window over the data file, with the given options.
struct CWindowUnderTest {
    CWindowUnderTest(const std::string& dataFile, const COptions& options) {
        profile.WriteString("Saving", "Data File", dataFile);
        profile.WriteInt("Misc", "Confirm Delete", 0);
        profile.WriteInt("Misc", "Show Day Tip", 0);
        profile.WriteInt("Searching", "Allow Typos", options.typos ? 1 : 0);
        profile.WriteInt("Searching", "Interruptible Searching", options.interruptible ? 1 : 0);
        profile.WriteInt("Searching", "Category Fields", options.searchCategory ? 1 : 0);
        dlg = std::make_unique<CLinksDlg>(profile, fileSystem, clock, launcher);
        dlg->Create();
        dlg->PumpMessages();
    }
    ~CWindowUnderTest() { dlg->DestroyWindow(); }

    void Type(const char* term) {
        HWND combo = dlg->GetDlgItem(IDC_SEARCH);
        ::SetWindowTextA(combo, term);
        ::SendMessageA(*dlg, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    }
    std::string Selected() const { return WindowText(dlg->GetDlgItem(IDC_SELECTED_COUNT)); }

    CMemoryProfile profile;
    CWin32FileSystem fileSystem;
    CSystemClock clock;
    CWin32ShellLauncher launcher;
    std::unique_ptr<CLinksDlg> dlg;
};

}  // namespace bench
