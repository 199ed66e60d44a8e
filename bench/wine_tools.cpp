// Measures, under Wine, the editing tools and the import in the real main window over 100,000
// realistic records: a header-click sort by Title and by Added; title case and word wrap of
// every record selected; the import of bookmark files of 10,000 and 100,000 links (from the
// Import button's work to the list updated); and, given a folder, the file finder's walk of it.
// Each figure runs from the command to the repainted window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "bench/BookmarkGenerator.h"
#include "bench/RecordGenerator.h"
#include "bench/WineWindow.h"
#include "import/FileNamePattern.h"
#include "import/FolderWalker.h"
#include "import/Win32FolderLister.h"
#include "store/Win32TextConv.h"

namespace {

using namespace bench;

void ClickHeader(CLinksDlg& dlg, int column) {
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = dlg.GetDlgItem(IDC_LINK_LIST);
    click.hdr.idFrom = IDC_LINK_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    ::SendMessageA(dlg, WM_NOTIFY, IDC_LINK_LIST, reinterpret_cast<LPARAM>(&click));
}

void MeasureTools(const std::string& dataFile) {
    CWindowUnderTest window(dataFile, COptions());
    CLinksDlg& dlg = *window.dlg;
    const double title = Time(dlg, [&] { ClickHeader(dlg, CLinksDlg::colTitle); });
    const double added = Time(dlg, [&] { ClickHeader(dlg, CLinksDlg::colAdded); });
    std::printf("header-click sort of 100,000 records: by Title %.1f ms, by Added %.1f ms\n", title,
                added);
    ::SendMessageA(dlg, WM_SYSCOMMAND, IDM_SELECT_ALL, 0);
    const double titleCase =
        Time(dlg, [&] { ::SendMessageA(dlg, WM_SYSCOMMAND, IDM_TITLE_CASE, 0); });
    const double wrap = Time(dlg, [&] { ::SendMessageA(dlg, WM_SYSCOMMAND, IDM_WORD_WRAP, 0); });
    std::printf("title case of 100,000 selected records: %.1f ms; word wrap: %.1f ms\n", titleCase,
                wrap);
}

void MeasureImport(const std::string& dataFile, const std::string& bookmarks, std::size_t links) {
    WriteFileBytes(bookmarks, GenerateBookmarkFile(links));
    CWindowUnderTest window(dataFile, COptions());
    CLinksDlg& dlg = *window.dlg;
    CImportOutcome outcome;
    const double ms = Time(dlg, [&] {
        outcome = dlg.ImportBookmarks(bookmarks, [](const std::string&) { return true; });
    });
    std::printf("import of %zu bookmarks: %.1f ms (%zu links, %s)\n", links, ms, outcome.imported,
                WindowText(dlg.GetDlgItem(IDC_LINK_COUNT)).c_str());
}

void MeasureFinder(const std::string& root) {
    CWin32FolderLister lister;
    CFileNamePattern pattern(CFileNamePattern::defaultPattern, false);
    CFolderWalker walker(lister, root);
    std::size_t found = 0, folders = 0;
    const double start = Now();
    do {
        ++folders;
        walker.VisitCurrent([&](const std::string&, const std::string& name) {
            if (pattern.Matches(name)) ++found;
            return true;
        });
    } while (walker.Next());
    std::printf("finder walk of %zu folders: %.1f ms (%zu files found)\n", folders, Now() - start,
                found);
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    static CWin32TextConv textConv;
    SetTextConv(&textConv);
    if (argc > 2 && std::string(argv[1]) == "finder") {
        MeasureFinder(argv[2]);
        return 0;
    }
    CTempFolder folder;
    const std::string realistic = folder.File("realistic.dat");
    CLinkList list;
    FillList(list, 100000);
    WriteDataFile(realistic, list);
    MeasureTools(realistic);
    const std::string empty = folder.File("empty.dat");
    for (const std::size_t links : {10000, 100000})
        MeasureImport(empty, folder.File("bookmarks.htm"), links);
    return 0;
}
