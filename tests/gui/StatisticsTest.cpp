// The Statistics window opened from the real main window: the counts of a prepared list and the
// sum of the selected rows after clicks and keys.
#include <windows.h>
#include <commctrl.h>

#include "tests/gui/AuxWindowFixture.h"

namespace {

enum { rowTotal, rowSelected, rowNoCategory, rowHome, rowOther, rowWork };

class Statistics : public AuxWindowFixture {
protected:
    static std::string Rows(HWND list) {
        std::string text;
        const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row)
            text += (row ? " " : "") + CellText(list, row, 0) + "=" + CellText(list, row, 1);
        return text;
    }
};

}  // namespace

TEST_F(Statistics, CountsTheListAndSumsTheRowsChosenByClicksAndKeys) {
    // Four records in "Home", three in "Work", none in "Other", and one in "work", which is not
    // a listed category.
    WriteRecords({{"1", "Home"},
                  {"2", "Work"},
                  {"3", "Home"},
                  {"4", "work"},
                  {"5", "Work"},
                  {"6", "Home"},
                  {"7", "Work"},
                  {"8", "Home"}},
                 {"Work", "Home", "Other"});
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0, 1});
    RunWindow(IDM_STATISTICS, [](HWND window) {
        HWND list = ::GetDlgItem(window, IDC_STATISTICS_LIST);
        EXPECT_EQ("TOTAL=8 SELECTED=2 NO CATEGORY=1 Home=4 Other=0 Work=3", Rows(list));
        LVCOLUMNA count = {};
        count.mask = LVCF_FMT;
        ::SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&count));
        EXPECT_EQ(LVCFMT_RIGHT, count.fmt & LVCFMT_JUSTIFYMASK);
        EXPECT_EQ("", ItemText(window, IDC_STATISTICS_SUM));

        const auto sumBecomes = [window](const char* text) {
            return PumpThreadUntil(
                [window, text] { return ItemText(window, IDC_STATISTICS_SUM) == text; });
        };
        ClickRow(list, rowNoCategory);
        EXPECT_TRUE(sumBecomes("1 item"));
        ::PostMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_TRUE(sumBecomes("4 items"));
        ClickRow(list, rowWork, MK_CONTROL);
        EXPECT_TRUE(sumBecomes("7 items"));
        ClickRow(list, rowTotal, MK_CONTROL);
        EXPECT_TRUE(sumBecomes("15 items"));
        CModalWatch::Press(window, IDOK);
    });
}
