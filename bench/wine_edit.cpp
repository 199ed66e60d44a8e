// Measures, under Wine, bulk work in the real main window over 100,000 records: one keystroke of
// the incremental search (exact and with typos), and Delete of 50,000 selected rows with its Undo
// and its Redo, each from the command to the repainted window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "app/MemoryProfile.h"
#include "mainwnd/LinksDlg.h"
#include "mainwnd/Win32ShellLauncher.h"
#include "res/resource.h"
#include "store/Win32FileSystem.h"
#include "store/Win32TextConv.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kRecords = 100000;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Action>
double Time(CLinksDlg& dlg, Action action) {
    dlg.PumpMessages();
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    action();
    dlg.PumpMessages();
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// A main window over the data file, with the given options.
struct CWindowUnderTest {
    CWindowUnderTest(const std::string& dataFile, bool typos) {
        profile.WriteString("Saving", "Data File", dataFile);
        profile.WriteInt("Misc", "Confirm Delete", 0);
        profile.WriteInt("Misc", "Show Day Tip", 0);
        profile.WriteInt("Searching", "Allow Typos", typos ? 1 : 0);
        dlg = std::make_unique<CLinksDlg>(profile, fileSystem, clock, launcher);
        dlg->Create();
        dlg->PumpMessages();
    }
    ~CWindowUnderTest() { dlg->DestroyWindow(); }

    CMemoryProfile profile;
    CWin32FileSystem fileSystem;
    CSystemClock clock;
    CWin32ShellLauncher launcher;
    std::unique_ptr<CLinksDlg> dlg;
};

void MeasureSearch(const std::string& dataFile, bool typos) {
    CWindowUnderTest window(dataFile, typos);
    CLinksDlg& dlg = *window.dlg;
    HWND combo = dlg.GetDlgItem(IDC_SEARCH);
    HWND hWnd = dlg;
    const char* const terms[] = {"Line two", "Title 1", "Title 4242", "no such words"};
    for (const char* term : terms) {
        const double ms = Time(dlg, [&] {
            ::SetWindowTextA(combo, term);
            ::SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
                           reinterpret_cast<LPARAM>(combo));
        });
        std::printf("search keystroke, %s, \"%s\": %.1f ms (%s)\n", typos ? "typos" : "exact", term,
                    ms, WindowText(dlg.GetDlgItem(IDC_SELECTED_COUNT)).c_str());
    }
}

void MeasureDelete(const std::string& dataFile) {
    CWindowUnderTest window(dataFile, false);
    CLinksDlg& dlg = *window.dlg;
    HWND list = dlg.GetDlgItem(IDC_LINK_LIST);
    std::vector<int> rows;
    for (int i = 0; i < kRecords; i += 2) rows.push_back(i);
    SelectRows(list, rows);
    HWND hWnd = dlg;
    const double deleteMs =
        Time(dlg, [&] { ::SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDC_DELETE, BN_CLICKED), 0); });
    const double undoMs = Time(dlg, [&] { ::SendMessageA(hWnd, WM_SYSCOMMAND, IDM_UNDO, 0); });
    const double redoMs = Time(dlg, [&] { ::SendMessageA(hWnd, WM_SYSCOMMAND, IDM_REDO, 0); });
    std::printf(
        "delete 50,000 of 100,000 rows: %.1f ms, undo %.1f ms, redo %.1f ms (%d rows left)\n",
        deleteMs, undoMs, redoMs, static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    static CWin32TextConv textConv;
    SetTextConv(&textConv);

    CTempFolder folder;
    const std::string dataFile = folder.File("links.dat");
    WriteDataFile(dataFile, kRecords);
    MeasureSearch(dataFile, false);
    MeasureSearch(dataFile, true);
    MeasureDelete(dataFile);
    return 0;
}
