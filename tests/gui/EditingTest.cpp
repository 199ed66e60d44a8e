// The editor, the system menu and undo/redo, driven through the real main window.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Editing : public MainWindowFixture {
protected:
    void ShowRow(int row) {
        ClickRow(Item(IDC_LINK_LIST), row);
        ASSERT_TRUE(
            PumpUntil([this, row] { return Text(IDC_TITLE) == "Title " + std::to_string(row); }));
    }
    void CtrlKey(UINT key) {
        PostCtrlKey(Item(IDC_LINK_LIST), key);
        Pump();
        ReleaseCtrlKey();
    }
    int Rows() { return static_cast<int>(m_dlg->GetList().GetCount()); }
    std::string Title(int row) { return m_dlg->GetList().GetAt(row)->m_strTitle.str(); }
    // Drops `file` on the middle of the control, as the shell would deliver it.
    void Drop(const std::string& file, int id) {
        RECT rect;
        ::GetWindowRect(Item(id), &rect);
        ::MapWindowPoints(nullptr, *m_dlg, reinterpret_cast<POINT*>(&rect), 2);
        HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + file.size() + 2);
        auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->pt = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        memcpy(drop + 1, file.c_str(), file.size() + 1);
        ::GlobalUnlock(memory);
        ::SendMessageA(*m_dlg, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    }
};

TEST_F(Editing, SaveAfterNewAppendsTheRecord) {
    WriteDataFile(DataFile(), 3);
    Open();
    ShowRow(1);
    Click(IDC_NEW);
    Type(IDC_TITLE, "  Fresh  ");
    Type(IDC_CATEGORY, "Hobby");
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_SAVE);
    ASSERT_EQ(4, Rows());
    EXPECT_EQ("Title 0|Fresh", Title(0) + "|" + Title(3));
    EXPECT_EQ("4 links|1 selected link", Text(IDC_LINK_COUNT) + "|" + Text(IDC_SELECTED_COUNT));
    EXPECT_TRUE(m_dlg->GetList().Categories().Contains("Hobby"));
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Editing, TheFifthSaveWritesTheDataFileAndLeavingAChangedRecordCountsAsASave) {
    WriteDataFile(DataFile(), 5);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    ShowRow(1);
    Type(IDC_TITLE, "Left behind");
    ShowRow(2);
    EXPECT_EQ("Left behind|Title 2", Title(1) + "|" + Title(2));
    for (int press = 2; press <= 5; ++press) {
        EXPECT_EQ(before, ReadFileBytes(DataFile())) << press;
        Type(IDC_TITLE, "Edited " + std::to_string(press));
        Click(IDC_SAVE);
        EXPECT_EQ(press % 5, m_dlg->GetSavePresses());
    }
    EXPECT_FALSE(m_dlg->IsModified());
    const std::string after = ReadFileBytes(DataFile());
    EXPECT_NE(std::string::npos, after.find("Edited 5"));
    EXPECT_EQ(std::string::npos, after.find("Title 2"));
}

TEST_F(Editing, DeleteAsksUndoBringsRecordsBackAtTheEndAndRestoresTheShownRecord) {
    WriteDataFile(DataFile(), 10);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    SelectRows(list, {2, 3, 7});
    m_answers.Queue(IDNO);
    Click(IDC_DELETE);
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Delete 3 items?", m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_answers.Shown()[0].type);
    EXPECT_EQ(10, Rows());
    SelectRows(list, {3, 5});
    m_answers.Queue(IDYES);
    ::PostMessageA(list, WM_KEYDOWN, VK_DELETE, 1);  // the Delete key asks the same question
    Pump();
    EXPECT_EQ("Delete 2 items?", m_answers.Shown().at(1).text);
    EXPECT_EQ("8 links|0 selected links", Text(IDC_LINK_COUNT) + "|" + Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("&Undo Delete\tCtrl+Z", MenuItemText(*m_dlg, IDM_UNDO));
    CtrlKey('Z');
    ASSERT_EQ(10, Rows());
    EXPECT_EQ("Title 3|Title 5", CellText(list, 8, 0) + "|" + CellText(list, 9, 0));
    EXPECT_EQ("Re&do Delete\tCtrl+Y", MenuItemText(*m_dlg, IDM_REDO));
    SysCommand(IDM_REDO);
    EXPECT_EQ("Title 9", CellText(list, 7, 0));
    ShowRow(1);
    const std::string oldModified = Text(IDC_MODIFIED_DATE);
    Type(IDC_TITLE, "Changed");
    Click(IDC_SAVE);
    EXPECT_EQ("&Undo Modify\tCtrl+Z", MenuItemText(*m_dlg, IDM_UNDO));
    SysCommand(IDM_UNDO);
    EXPECT_EQ("Title 1|Title 1", Title(1) + "|" + Text(IDC_TITLE));
    EXPECT_EQ(oldModified, Text(IDC_MODIFIED_DATE));
}

TEST_F(Editing, DroppedShortcutOnTheLinkFieldPutsItsTarget) {
    Open();
    const std::string target = m_folder.File("target.txt"), shortcut = m_folder.File("target.lnk");
    WriteFileBytes(target, "x");
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkA, reinterpret_cast<void**>(&link)));
    link->SetPath(target.c_str());
    ASSERT_EQ(S_OK, link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    EXPECT_EQ(S_OK, file->Save(std::wstring(shortcut.begin(), shortcut.end()).c_str(), TRUE));
    file->Release();
    link->Release();
    Drop(shortcut, IDC_DESCRIPTION);  // not on the Link field: ignored
    EXPECT_EQ("", Text(IDC_LINK) + Text(IDC_DESCRIPTION));
    Drop(shortcut, IDC_LINK);
    EXPECT_EQ(target, Text(IDC_LINK));
    Drop(m_folder.File("plain.txt"), IDC_LINK);
    EXPECT_EQ(m_folder.File("plain.txt"), Text(IDC_LINK));
}

TEST_F(Editing, SystemMenuCommandsSelectAllAndInvertTheSelection) {
    WriteDataFile(DataFile(), 6);
    Open();
    EXPECT_EQ(static_cast<UINT>(-1), MenuItemState(*m_dlg, SC_SIZE));
    CtrlKey('L');
    EXPECT_EQ("6 selected links|Title 0", Text(IDC_SELECTED_COUNT) + "|" + Text(IDC_TITLE));
    SelectRows(Item(IDC_LINK_LIST), {0, 1, 4});
    SysCommand(IDM_INVERT_SELECTION);
    EXPECT_EQ("3 selected links|Title 2", Text(IDC_SELECTED_COUNT) + "|" + Text(IDC_TITLE));
}
