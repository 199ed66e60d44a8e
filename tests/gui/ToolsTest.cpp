// The editing tools in the real main window: header-click and multi-column sorting, title case
// and word wrap.
#include <windows.h>
#include <commctrl.h>

#include <sstream>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

class Tools : public MainWindowFixture {
protected:
    std::string Titles() const {
        std::string titles;
        for (size_t row = 0; row < m_dlg->GetList().GetCount(); ++row)
            titles += (row ? "," : "") + m_dlg->GetList().GetAt(row)->m_strTitle.str();
        return titles;
    }
    // A click on a header of the list, as the mouse would.
    void ClickHeader(int column) {
        HWND header =
            reinterpret_cast<HWND>(::SendMessageA(Item(IDC_LINK_LIST), LVM_GETHEADER, 0, 0));
        RECT rect;
        ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageA(header, WM_LBUTTONUP, 0, point);
        Pump();
    }
};

// The texts of the Multi-Column Sorting window's rows: "Title+,Category+,...".
std::string Order(HWND dialog) {
    HWND list = ::GetDlgItem(dialog, IDC_SORT_LIST);
    std::string order;
    for (int row = 0; row < 5; ++row)
        order += (row ? "," : "") + CellText(list, row, 1) +
                 (CellText(list, row, 2) == "Increasing" ? "+" : "-");
    return order;
}

void Command(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void SelectSortRow(HWND dialog, int row) {
    HWND list = ::GetDlgItem(dialog, IDC_SORT_LIST);
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&state));
    ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
}

const char* const kDefaultOrder = "Title+,Category+,Description+,Added+,Last Modified+";

}  // namespace

TEST_F(Tools, HeaderClicksSortByTheirColumnAndTheSelectionFollowsItsRecords) {
    WriteRecords({{"a10", "y"}, {"a9", "x"}, {"A2", "z"}});
    Open();
    SelectRows(Item(IDC_LINK_LIST), {1});  // a9
    ClickHeader(0);
    EXPECT_EQ("A2,a9,a10", Titles());
    EXPECT_EQ("a9", CellText(Item(IDC_LINK_LIST), 1, 0));
    EXPECT_TRUE(::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMSTATE, 1, LVIS_SELECTED));
    EXPECT_EQ(1, ::SendMessageA(Item(IDC_LINK_LIST), LVM_GETSELECTIONMARK, 0, 0));
    EXPECT_TRUE(m_dlg->IsModified());
    ClickHeader(0);
    EXPECT_EQ("a10,a9,A2", Titles());
    ClickHeader(1);
    EXPECT_EQ("a9,a10,A2", Titles()) << "another header starts increasing";
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
}

TEST_F(Tools, MultiColumnSortingCancelKeepsEverythingAndOkSorts) {
    WriteRecords({{"a10", "y"}, {"a9", "x"}, {"A2", "z"}});
    Open();
    m_modal.Expect([](HWND dialog) {
        EXPECT_EQ(kDefaultOrder, Order(dialog));
        SelectSortRow(dialog, 4);
        Command(dialog, IDC_MOVE_UP);
        EXPECT_EQ("Title+,Category+,Description+,Last Modified+,Added+", Order(dialog));
        Command(dialog, IDC_REVERSE);
        Command(dialog, IDC_RESET);
        SelectSortRow(dialog, 0);
        Command(dialog, IDC_REVERSE);
        CModalWatch::Press(dialog, IDCANCEL);
    });
    SysCommand(IDM_MULTI_SORT);
    EXPECT_EQ("a10,a9,A2", Titles());
    EXPECT_FALSE(m_dlg->IsModified());
    m_modal.Expect([](HWND dialog) {
        EXPECT_EQ(kDefaultOrder, Order(dialog)) << "Cancel kept the earlier order";
        CModalWatch::Press(dialog, IDOK);
    });
    SysCommand(IDM_MULTI_SORT);
    EXPECT_EQ("a10,A2,a9", Titles()) << "digits compare as characters";
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Tools, TitleCaseChangesTheFieldForOneRowAndTheRecordsForSeveral) {
    WriteRecords({{"the lord of the rings", ""}, {"what it is made of", ""}, {"HELLO", ""}});
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0});
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "the lord of the rings"; }));
    SysCommand(IDM_TITLE_CASE);
    EXPECT_EQ("The Lord of the Rings", Text(IDC_TITLE));
    EXPECT_EQ("the lord of the rings", m_dlg->GetList().GetAt(0)->m_strTitle.str());
    EXPECT_FALSE(m_dlg->IsModified());
    // Leaving the record saves the changed field into it.
    SelectRows(Item(IDC_LINK_LIST), {1, 2});
    EXPECT_EQ("The Lord of the Rings", m_dlg->GetList().GetAt(0)->m_strTitle.str());
    SysCommand(IDM_TITLE_CASE);
    EXPECT_EQ("The Lord of the Rings,What It Is Made Of,Hello", Titles());
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Tools, WordWrapMakesEveryLineFitTheField) {
    std::string description;
    for (int i = 0; i < 40; ++i) description += "words ";
    description += "http://example.com/a/very/long/address/that/is/wider/than/the/field/itself";
    WriteRecords({{"one", ""}}, {}, description);
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0});
    SysCommand(IDM_WORD_WRAP);
    HWND field = Item(IDC_DESCRIPTION);
    HDC dc = ::GetDC(field);
    const HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(field, WM_GETFONT, 0, 0)));
    RECT client;
    ::GetClientRect(field, &client);
    std::istringstream lines(Text(IDC_DESCRIPTION));
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SIZE size;
        ::GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        // A line of one word (the address) may be wider; every other line fits.
        if (line.find(' ') != std::string::npos) {
            EXPECT_LT(size.cx, client.right - 4) << line;
        }
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(field, dc);
    EXPECT_GT(count, 3);
    EXPECT_NE(std::string::npos, Text(IDC_DESCRIPTION).find("\r\nhttp://example.com/"));
}
