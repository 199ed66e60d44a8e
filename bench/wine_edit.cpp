// Measures, under Wine, bulk work in the real main window: one keystroke of the incremental
// search (exact and with typos) on 100,000 numbered records; the same on 100,000 and 1,000,000
// realistic records with terms that select a quarter of the rows (scattered), nearly all, a few
// and none, synchronously and on a search job (then also the longest time the window's thread
// was busy with one batch of messages); Delete of 50,000 scattered rows of 100,000 with its
// Undo and its Redo; and the Statistics window over 1,000,000 records in 1,000 categories. Each
// figure runs from the command to the repainted window.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

#include "app/MemoryProfile.h"
#include "app/Win32ShellLauncher.h"
#include "bench/RecordGenerator.h"
#include "bench/WineWindow.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "store/ByteStream.h"
#include "store/Win32FileSystem.h"
#include "store/Win32TextConv.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

using namespace bench;

void MeasureSearch(const std::string& dataFile, bool typos) {
    COptions options;
    options.typos = typos;
    CWindowUnderTest window(dataFile, options);
    const char* const terms[] = {"Line two", "Title 1", "Title 4242", "no such words"};
    for (const char* term : terms) {
        const double ms = Time(*window.dlg, [&] { window.Type(term); });
        std::printf("search keystroke, %s, \"%s\": %.1f ms (%s)\n", typos ? "typos" : "exact", term,
                    ms, window.Selected().c_str());
    }
}

// One keystroke on a search job: until its result is shown, and the longest the window's thread
// spent on one batch of messages meanwhile (the keystroke itself included).
void TypeOnJob(CWindowUnderTest& window, const char* term, double& total, double& longest) {
    CLinksDlg& dlg = *window.dlg;
    dlg.PumpMessages();
    const double start = Now();
    window.Type(term);
    longest = Now() - start;
    while (dlg.IsSearching()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
        const double batch = Now();
        dlg.PumpMessages();
        longest = std::max(longest, Now() - batch);
    }
    const double batch = Now();
    dlg.PumpMessages();
    longest = std::max(longest, Now() - batch);
    total = Now() - start;
}

void MeasureScaledSearch(const std::string& dataFile, const char* size) {
    const char* const terms[] = {"daily", "e", "kaleidoscope", "no such words"};
    {
        CWindowUnderTest window(dataFile, COptions());
        for (const char* term : terms) {
            const double ms = Time(*window.dlg, [&] { window.Type(term); });
            std::printf("%s records, search keystroke, \"%s\": %.1f ms (%s)\n", size, term, ms,
                        window.Selected().c_str());
        }
    }
    COptions options;
    options.interruptible = true;
    CWindowUnderTest window(dataFile, options);
    for (const char* term : terms) {
        double total = 0, longest = 0;
        TypeOnJob(window, term, total, longest);
        std::printf(
            "%s records, search keystroke on a job, \"%s\": %.1f ms, window busy at most %.1f ms "
            "(%s)\n",
            size, term, total, longest, window.Selected().c_str());
    }
}

void MeasureDelete(const std::string& dataFile) {
    // Every other record is in the category "Tools": searching the categories selects them.
    COptions options;
    options.searchCategory = true;
    CWindowUnderTest window(dataFile, options);
    CLinksDlg& dlg = *window.dlg;
    window.Type("Tools");
    dlg.PumpMessages();
    HWND hWnd = dlg;
    const double deleteMs =
        Time(dlg, [&] { ::SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDC_DELETE, BN_CLICKED), 0); });
    const double undoMs = Time(dlg, [&] { ::SendMessageA(hWnd, WM_SYSCOMMAND, IDM_UNDO, 0); });
    const double redoMs = Time(dlg, [&] { ::SendMessageA(hWnd, WM_SYSCOMMAND, IDM_REDO, 0); });
    std::printf(
        "delete 50,000 of 100,000 rows: %.1f ms, undo %.1f ms, redo %.1f ms (%d rows left)\n",
        deleteMs, undoMs, redoMs, static_cast<int>(dlg.GetList().GetCount()));
}

// What the Categories page's OK does: rename the category of 50,000 of 100,000 records, and set
// a list of 10,000 categories.
void MeasureCategories(const std::string& dataFile) {
    CWindowUnderTest window(dataFile, COptions());
    CLinksDlg& dlg = *window.dlg;
    std::map<std::string, std::string> renames = {{"Tools", "Utilities"}};
    const double renameMs = Time(dlg, [&] { dlg.RenameCategories(renames); });
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i) names.push_back("Category " + std::to_string(i));
    const double setMs = Time(dlg, [&] { dlg.SetCategories(names); });
    std::printf(
        "rename a category of 50,000 of 100,000 records: %.1f ms; set 10,000 categories: "
        "%.1f ms\n",
        renameMs, setMs);
}

void WriteRealisticFile(const std::string& path, std::size_t count) {
    CLinkList list;
    bench::FillList(list, count);
    WriteDataFile(path, list);
}

// The Statistics window, timed from the command until it has painted itself: a hook on the
// thread's message retrieval sees its first paint and posts a marker; when the marker comes, the
// rest of the window is painted at once, the time taken, and the window closed.
namespace statistics_probe {

constexpr UINT WM_PROBE = WM_APP + 77;
HWND g_hWindow = nullptr;
double g_shownAt = 0;

LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE) {
        if (!g_hWindow && msg->message == WM_PAINT) {
            HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
            if (WindowText(root) == "Statistics") {
                g_hWindow = root;
                ::PostMessageA(root, WM_PROBE, 0, 0);
            }
        } else if (g_hWindow && msg->hwnd == g_hWindow && msg->message == WM_PROBE) {
            // Whatever of the window is still to be painted is painted now.
            ::RedrawWindow(g_hWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            g_shownAt = Now();
            ::PostMessageA(g_hWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace statistics_probe

void MeasureStatistics(const std::string& dataFile) {
    CWindowUnderTest window(dataFile, COptions());
    HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, statistics_probe::OnGetMessage, nullptr,
                                     ::GetCurrentThreadId());
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        statistics_probe::g_hWindow = nullptr;
        window.dlg->PumpMessages();
        const double start = Now();
        ::SendMessageA(*window.dlg, WM_SYSCOMMAND, IDM_STATISTICS, 0);
        times.push_back(statistics_probe::g_shownAt - start);
    }
    ::UnhookWindowsHookEx(hook);
    std::sort(times.begin(), times.end());
    std::printf(
        "statistics of 1,000,000 records in 1,000 categories, command to shown window: "
        "%.1f ms (median of %d; fastest %.1f ms)\n",
        times[times.size() / 2], static_cast<int>(times.size()), times.front());
}

// A million records spread over a thousand categories, a few in none.
void WriteCategorizedFile(const std::string& path) {
    CLinkList list;
    std::vector<std::string> categories;
    for (int i = 0; i < 1000; ++i) categories.push_back("Category " + std::to_string(i));
    list.Categories().AddAllIfAbsent(categories);
    const CDateTime when(45000.5, CDateTime::valid);
    list.Reserve(1000000);
    for (std::size_t i = 0; i < 1000000; ++i) {
        const std::size_t category = i % 1001;
        list.AddLinkItem("Title " + std::to_string(i), "https://www.example.com/", "",
                         category < 1000 ? categories[category] : std::string(), when, when);
    }
    WriteDataFile(path, list);
}

}  // namespace

// With the argument "statistics" only the Statistics window is measured.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    static CWin32TextConv textConv;
    SetTextConv(&textConv);

    CTempFolder folder;
    const std::string categorized = folder.File("categorized.dat");
    const bool statisticsOnly = argc > 1 && std::string(argv[1]) == "statistics";
    if (statisticsOnly) {
        WriteCategorizedFile(categorized);
        MeasureStatistics(categorized);
        return 0;
    }
    const std::string numbered = folder.File("numbered.dat");
    WriteDataFile(numbered, 100000);
    MeasureSearch(numbered, false);
    MeasureSearch(numbered, true);
    MeasureDelete(numbered);
    MeasureCategories(numbered);

    const std::string realistic = folder.File("realistic.dat");
    WriteRealisticFile(realistic, 100000);
    MeasureScaledSearch(realistic, "100,000");
    WriteRealisticFile(realistic, 1000000);
    MeasureScaledSearch(realistic, "1,000,000");

    WriteCategorizedFile(categorized);
    MeasureStatistics(categorized);
    return 0;
}
