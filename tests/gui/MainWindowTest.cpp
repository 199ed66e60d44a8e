// The main window over prepared data files: counters, cells, the editor, and a data file that
// cannot be read.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, CellsAndTheEditorShowTheRecords) {
    WriteDataFile(DataFile(), 20);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    EXPECT_EQ("20 links", Text(IDC_LINK_COUNT));
    EXPECT_EQ(
        "Title 1|News|Line one 1\r\nLine two|02-Jan-2026  12:00:00 AM|02-Jan-2026  12:00:00 PM",
        CellText(list, 1, CLinksDlg::colTitle) + "|" + CellText(list, 1, CLinksDlg::colCategory) +
            "|" + CellText(list, 1, CLinksDlg::colDescription) + "|" +
            CellText(list, 1, CLinksDlg::colAdded) + "|" +
            CellText(list, 1, CLinksDlg::colModified));
    // A buffer too small for the text gets as much as fits, with its terminator.
    EXPECT_EQ("Tit", CellText(list, 1, CLinksDlg::colTitle, 4));
    ClickRow(list, 5);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 5"; }));
    EXPECT_EQ("http://example.com/5|Line one 5\r\nLine two|News|Modified: 6-Jan-2026",
              Text(IDC_LINK) + "|" + Text(IDC_DESCRIPTION) + "|" + Text(IDC_CATEGORY) + "|" +
                  Text(IDC_MODIFIED_DATE));
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
    // An arrow key shows the next record once the key timer has run.
    ::SetFocus(list);
    ::PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 6"; }));
}

// Seen: a folder with the data file's name, or a path too long, started the program empty
// without a word, and the first write could then replace what the user thought was lost.
TEST_F(MainWindow, AFolderOrATooLongPathAsTheDataFileIsReportedAndProtected) {
    ASSERT_TRUE(::CreateDirectoryA(DataFile().c_str(), nullptr));
    m_answers.Queue(IDOK);
    m_modal.Expect([](HWND sheet) { CModalWatch::Press(sheet, IDCANCEL); });
    Open();
    ASSERT_TRUE(PumpUntil([this] { return m_modal.Seen() == 1; }));
    EXPECT_EQ("Could not read veltrim links from \"" + DataFile() + "\".",
              m_answers.Shown().at(0).text);
    Type(IDC_TITLE, "New");
    Click(IDC_SAVE);
    m_answers.Queue(IDYES);
    Click(IDOK);
    EXPECT_EQ(MessageCloseWithoutSaving(DataFile(), true), m_answers.Shown().at(1).text);
    EXPECT_TRUE(m_dlg->IsEnded());
    Close();
    ::RemoveDirectoryA(DataFile().c_str());

    const std::string longPath = "C:\\" + std::string(300, 'x') + ".dat";
    m_answers.Queue(IDOK);
    Open();
    EXPECT_FALSE(m_dlg->LoadDataFile(longPath));
    EXPECT_EQ("Could not read veltrim links from \"" + longPath.substr(0, 259) + "\".",
              m_answers.Shown().at(2).text);
}
