// The main window over prepared data files: counters, cells, the editor, and the data file's
// failure messages.
#include <windows.h>
#include <commctrl.h>

#include "app/ColumnScaler.h"
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, CountersShowThousandsSeparators) {
    WriteDataFile(DataFile(), 1234);
    Open();
    EXPECT_EQ("1,234 links", Text(IDC_LINK_COUNT));
    EXPECT_EQ("0 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ(1234, ::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMCOUNT, 0, 0));
    EXPECT_TRUE(m_answers.Shown().empty());
}

TEST_F(MainWindow, FirstStartWithoutDataFileIsQuiet) {
    Open();
    EXPECT_EQ("0 links", Text(IDC_LINK_COUNT));
    EXPECT_EQ("0 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_TRUE(m_answers.Shown().empty());
    EXPECT_EQ("&Delete...", Text(IDC_DELETE));
}

TEST_F(MainWindow, CellsComeFromTheRecords) {
    WriteDataFile(DataFile(), 3);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    EXPECT_EQ("Title 1", CellText(list, 1, CLinksDlg::colTitle));
    EXPECT_EQ("News", CellText(list, 1, CLinksDlg::colCategory));
    EXPECT_EQ("Line one 1\r\nLine two", CellText(list, 1, CLinksDlg::colDescription));
    EXPECT_EQ("02-Jan-2026  12:00:00 AM", CellText(list, 1, CLinksDlg::colAdded));
    EXPECT_EQ("02-Jan-2026  12:00:00 PM", CellText(list, 1, CLinksDlg::colModified));
    // A buffer too small for the text gets as much as fits, with its terminator.
    EXPECT_EQ("Tit", CellText(list, 1, CLinksDlg::colTitle, 4));
}

TEST_F(MainWindow, ColumnsTakeTheScaledDefaultWidths) {
    Open();
    HWND list = Item(IDC_LINK_LIST);
    RECT client;
    ::GetClientRect(list, &client);
    const CColumnScaler scaler(client.right, 455, 5, false, 0);
    const int design[] = {150, 100, 600, 160, 160};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(scaler.Scale(design[i]), ::SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0)) << i;
}

TEST_F(MainWindow, ClickingARowShowsItsRecord) {
    WriteDataFile(DataFile(), 20);
    Open();
    ClickRow(Item(IDC_LINK_LIST), 5);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 5"; }));
    EXPECT_EQ("http://example.com/5", Text(IDC_LINK));
    EXPECT_EQ("Line one 5\r\nLine two", Text(IDC_DESCRIPTION));
    EXPECT_EQ("News", Text(IDC_CATEGORY));
    EXPECT_EQ("Modified: 6-Jan-2026", Text(IDC_MODIFIED_DATE));
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
}

TEST_F(MainWindow, ArrowKeyShowsTheNextRecordAfterTheKeyTimer) {
    WriteDataFile(DataFile(), 20);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    ClickRow(list, 2);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 2"; }));
    ::SetFocus(list);
    ::PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 3"; }));
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
}

TEST_F(MainWindow, RightClickUpdatesTheSelectedCount) {
    WriteDataFile(DataFile(), 5);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&state));
    NMHDR click = {list, IDC_LINK_LIST, static_cast<UINT>(NM_RCLICK)};
    ::SendMessageA(*m_dlg, WM_NOTIFY, IDC_LINK_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ("5 selected links", Text(IDC_SELECTED_COUNT));
}

TEST_F(MainWindow, TruncatedFileKeepsEarlierRecordsAndSaysSo) {
    const std::string bytes = MakeDataFileBytes(10);
    WriteFileBytes(DataFile(), bytes.substr(0, bytes.size() - 20));
    m_answers.Queue(IDOK);
    Open();
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Could not read veltrim links from \"" + DataFile() + "\".",
              m_answers.Shown()[0].text);
    EXPECT_EQ("VeltrimLinks", m_answers.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_answers.Shown()[0].type & MB_ICONMASK);
    EXPECT_EQ("9 links", Text(IDC_LINK_COUNT));
}

TEST_F(MainWindow, MissingNamedFileIsReportedWithItsPathCut) {
    Open();
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".dat";
    m_answers.Queue(IDOK);
    EXPECT_FALSE(m_dlg->LoadDataFile(longPath));
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Could not find data file \"" + longPath.substr(0, 259) + "\".",
              m_answers.Shown()[0].text);
}

TEST_F(MainWindow, FailedWriteLeavesThePreviousFileWhole) {
    WriteDataFile(DataFile(), 3);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    // A folder where the temporary file would go makes the write fail even for an administrator.
    ASSERT_TRUE(::CreateDirectoryA((DataFile() + ".tmp").c_str(), nullptr));
    m_answers.Queue(IDOK);
    EXPECT_FALSE(m_dlg->SaveDataFile());
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Could not save veltrim links into \"" + DataFile() + "\".",
              m_answers.Shown()[0].text);
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    ::RemoveDirectoryA((DataFile() + ".tmp").c_str());
}
