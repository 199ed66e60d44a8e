// Measures, under Wine, Delete of 50,000 selected rows out of 100,000 in the real main window,
// its Undo and its Redo, each from the command to the repainted window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/MemoryProfile.h"
#include "mainwnd/LinksDlg.h"
#include "mainwnd/Win32ShellLauncher.h"
#include "res/resource.h"
#include "store/Win32FileSystem.h"
#include "store/Win32TextConv.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

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

}  // namespace

int main() {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    static CWin32TextConv textConv;
    SetTextConv(&textConv);

    CTempFolder folder;
    const std::string dataFile = folder.File("links.dat");
    WriteDataFile(dataFile, 100000);
    CMemoryProfile profile;
    profile.WriteString("Saving", "Data File", dataFile);
    profile.WriteInt("Misc", "Confirm Delete", 0);
    profile.WriteInt("Misc", "Show Day Tip", 0);
    CWin32FileSystem fileSystem;
    CSystemClock clock;
    CWin32ShellLauncher launcher;
    CLinksDlg dlg(profile, fileSystem, clock, launcher);
    if (!dlg.Create()) return 1;
    dlg.PumpMessages();

    HWND list = dlg.GetDlgItem(IDC_LINK_LIST);
    std::vector<int> rows;
    for (int i = 0; i < 100000; i += 2) rows.push_back(i);
    SelectRows(list, rows);
    HWND window = dlg;
    int found = 0;
    const double walkMs = Time(dlg, [&] {
        for (int row = -1; (row = static_cast<int>(
                                ::SendMessageA(list, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;)
            ++found;
    });
    std::printf("walking the %d selected rows: %.1f ms\n", found, walkMs);
    const double deleteMs = Time(
        dlg, [&] { ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_DELETE, BN_CLICKED), 0); });
    const double undoMs = Time(dlg, [&] { ::SendMessageA(window, WM_SYSCOMMAND, IDM_UNDO, 0); });
    const double redoMs = Time(dlg, [&] { ::SendMessageA(window, WM_SYSCOMMAND, IDM_REDO, 0); });
    std::printf(
        "main window, 50,000 of 100,000 rows: delete %.1f ms, undo %.1f ms, redo %.1f ms "
        "(%d rows left)\n",
        deleteMs, undoMs, redoMs, static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    dlg.DestroyWindow();
    return 0;
}
