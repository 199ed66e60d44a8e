// The editor, the system menu and undo/redo, driven through the real main window.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

// A shell shortcut at `path` pointing at `target`.
bool MakeShortcut(const std::string& path, const std::string& target) {
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR widePath[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
        saved = SUCCEEDED(file->Save(widePath, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

// A drop of one file at a point of the window's client area, as the shell would deliver it.
HDROP MakeDrop(const std::string& name, POINT point) {
    const size_t size = sizeof(DROPFILES) + name.size() + 2;
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), name.c_str(), name.size() + 1);
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

POINT CentreIn(HWND dialog, HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// What a timer found in the preview window before it cancelled it.
struct CPreviewSeen {
    bool found = false;
    std::string effect;
    bool nextEnabled = true;
};
CPreviewSeen g_preview;

void CALLBACK CancelPreview(HWND, UINT, UINT_PTR id, DWORD) {
    HWND preview = ::FindWindowA(nullptr, "Previews Undo/Redo");
    if (!preview) return;
    ::KillTimer(nullptr, id);
    g_preview.found = true;
    g_preview.effect = WindowText(::GetDlgItem(preview, IDC_PREVIEW_EFFECT));
    g_preview.nextEnabled = ::IsWindowEnabled(::GetDlgItem(preview, IDC_NEXT)) != FALSE;
    ::PostMessageA(preview, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

class Editing : public MainWindowFixture {
protected:
    void ShowRow(int row) {
        ClickRow(Item(IDC_LINK_LIST), row);
        ASSERT_TRUE(
            PumpUntil([this, row] { return Text(IDC_TITLE) == "Title " + std::to_string(row); }));
    }
    void SysCommand(UINT id) {
        ::SendMessageA(*m_dlg, WM_SYSCOMMAND, id, 0);
        Pump();
    }
    int Rows() {
        return static_cast<int>(::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMCOUNT, 0, 0));
    }
};

TEST_F(Editing, SaveWithOnlyBlanksChangesNothing) {
    WriteDataFile(DataFile(), 3);
    Open();
    Click(IDC_NEW);
    Type(IDC_TITLE, "   ");
    Type(IDC_LINK, "\t");
    Type(IDC_DESCRIPTION, " \r\n ");
    Type(IDC_CATEGORY, "Brand New");
    Click(IDC_SAVE);
    EXPECT_EQ(3, Rows());
    EXPECT_FALSE(m_dlg->IsModified());
    EXPECT_FALSE(m_dlg->GetList().Categories().Contains("Brand New"));
}

TEST_F(Editing, SaveAfterNewWithARowSelectedAppends) {
    WriteDataFile(DataFile(), 3);
    Open();
    ShowRow(1);
    Click(IDC_NEW);
    EXPECT_EQ("", Text(IDC_TITLE));
    Type(IDC_TITLE, "  Fresh  ");
    Type(IDC_CATEGORY, "Hobby");
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_SAVE);
    ASSERT_EQ(4, Rows());
    EXPECT_EQ("Fresh", m_dlg->GetList().GetAt(3)->m_strTitle.str());
    EXPECT_EQ("Title 0", m_dlg->GetList().GetAt(0)->m_strTitle.str());
    EXPECT_EQ("4 links", Text(IDC_LINK_COUNT));
    EXPECT_EQ("1 selected link", Text(IDC_SELECTED_COUNT));
    EXPECT_TRUE(m_dlg->GetList().Categories().Contains("Hobby"));
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Editing, TheFifthSaveWritesTheDataFile) {
    WriteDataFile(DataFile(), 3);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    ShowRow(2);
    for (int press = 1; press <= 4; ++press) {
        Type(IDC_TITLE, "Edited " + std::to_string(press));
        Click(IDC_SAVE);
        EXPECT_EQ(press, m_dlg->GetSavePresses());
        EXPECT_EQ(before, ReadFileBytes(DataFile())) << press;
    }
    Type(IDC_TITLE, "Edited 5");
    Click(IDC_SAVE);
    EXPECT_EQ(0, m_dlg->GetSavePresses());
    EXPECT_FALSE(m_dlg->IsModified());
    const std::string after = ReadFileBytes(DataFile());
    EXPECT_NE(std::string::npos, after.find("Edited 5"));
    EXPECT_EQ(std::string::npos, after.find("Title 2"));
    EXPECT_EQ(3, Rows());
}

TEST_F(Editing, DeleteAsksWithTheCountAndNoKeepsTheRows) {
    WriteDataFile(DataFile(), 10);
    Open();
    SelectRows(Item(IDC_LINK_LIST), {2, 3, 7});
    m_answers.Queue(IDNO);
    Click(IDC_DELETE);
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Delete 3 items?", m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_answers.Shown()[0].type);
    EXPECT_EQ(10, Rows());
    EXPECT_FALSE(m_dlg->IsModified());
}

TEST_F(Editing, DeleteThenUndoBringsRecordsBackAtTheEnd) {
    WriteDataFile(DataFile(), 10);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    EXPECT_EQ("&Undo\tCtrl+Z", MenuItemText(*m_dlg, IDM_UNDO));
    EXPECT_TRUE(MenuItemState(*m_dlg, IDM_UNDO) & MF_GRAYED);
    // Nothing to undo: Ctrl+Z does nothing at all.
    PostCtrlKey(list, 'Z');
    Pump();
    ReleaseCtrlKey();
    EXPECT_EQ(10, Rows());

    SelectRows(list, {3, 5});
    m_answers.Queue(IDYES);
    Click(IDC_DELETE);
    EXPECT_EQ("Delete 2 items?", m_answers.Shown().at(0).text);
    EXPECT_EQ(8, Rows());
    EXPECT_EQ("8 links", Text(IDC_LINK_COUNT));
    EXPECT_EQ("0 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("&Undo Delete\tCtrl+Z", MenuItemText(*m_dlg, IDM_UNDO));
    EXPECT_FALSE(MenuItemState(*m_dlg, IDM_UNDO) & MF_GRAYED);

    PostCtrlKey(list, 'Z');
    Pump();
    ReleaseCtrlKey();
    ASSERT_EQ(10, Rows());
    EXPECT_EQ("Title 3", CellText(list, 8, CLinksDlg::colTitle));
    EXPECT_EQ("Title 5", CellText(list, 9, CLinksDlg::colTitle));
    EXPECT_EQ("Re&do Delete\tCtrl+Y", MenuItemText(*m_dlg, IDM_REDO));

    SysCommand(IDM_REDO);
    EXPECT_EQ(8, Rows());
    for (int row = 0; row < 8; ++row) {
        EXPECT_NE("Title 3", CellText(list, row, CLinksDlg::colTitle));
        EXPECT_NE("Title 5", CellText(list, row, CLinksDlg::colTitle));
    }
}

TEST_F(Editing, SaveOverThenUndoRestoresTheShownRecord) {
    WriteDataFile(DataFile(), 4);
    Open();
    ShowRow(1);
    const std::string oldModified = Text(IDC_MODIFIED_DATE);
    Type(IDC_TITLE, "Changed");
    Click(IDC_SAVE);
    EXPECT_EQ("Changed", m_dlg->GetList().GetAt(1)->m_strTitle.str());
    EXPECT_EQ("&Undo Modify\tCtrl+Z", MenuItemText(*m_dlg, IDM_UNDO));
    SysCommand(IDM_UNDO);
    EXPECT_EQ("Title 1", m_dlg->GetList().GetAt(1)->m_strTitle.str());
    EXPECT_EQ("Title 1", Text(IDC_TITLE));
    EXPECT_EQ(oldModified, Text(IDC_MODIFIED_DATE));
}

TEST_F(Editing, PreviewShowsTheStepAndCancelChangesNoRows) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 5);
    Open();
    EXPECT_EQ("&Delete!", Text(IDC_DELETE));
    SysCommand(IDM_PREVIEW);
    EXPECT_TRUE(MenuItemState(*m_dlg, IDM_PREVIEW) & MF_CHECKED);
    SelectRows(Item(IDC_LINK_LIST), {2});
    Click(IDC_DELETE);
    ASSERT_EQ(4, Rows());
    ASSERT_TRUE(m_dlg->SaveDataFile());  // clears the modified mark
    g_preview = CPreviewSeen();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, CancelPreview);
    SysCommand(IDM_UNDO);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_preview.found);
    EXPECT_EQ("Restores the following 1 veltrim link.", g_preview.effect);
    EXPECT_FALSE(g_preview.nextEnabled);
    EXPECT_EQ(4, Rows());
    EXPECT_TRUE(m_dlg->IsModified());
}

TEST_F(Editing, DroppedShortcutOnTheLinkFieldPutsItsTarget) {
    Open();
    const std::string target = m_folder.File("target.txt");
    WriteFileBytes(target, "x");
    const std::string shortcut = m_folder.File("target.lnk");
    ASSERT_TRUE(MakeShortcut(shortcut, target));

    ::SendMessageA(
        *m_dlg, WM_DROPFILES,
        reinterpret_cast<WPARAM>(MakeDrop(shortcut, CentreIn(*m_dlg, Item(IDC_DESCRIPTION)))), 0);
    EXPECT_EQ("", Text(IDC_LINK));
    EXPECT_EQ("", Text(IDC_DESCRIPTION));

    ::SendMessageA(*m_dlg, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop(shortcut, CentreIn(*m_dlg, Item(IDC_LINK)))),
                   0);
    EXPECT_EQ(target, Text(IDC_LINK));

    const std::string plain = m_folder.File("plain.txt");
    ::SendMessageA(*m_dlg, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop(plain, CentreIn(*m_dlg, Item(IDC_LINK)))), 0);
    EXPECT_EQ(plain, Text(IDC_LINK));
}

TEST_F(Editing, SystemMenuHasTheProgramsCommands) {
    Open();
    HMENU menu = ::GetSystemMenu(*m_dlg, FALSE);
    EXPECT_EQ(-1, static_cast<int>(::GetMenuState(menu, SC_SIZE, MF_BYCOMMAND)));
    EXPECT_EQ(-1, static_cast<int>(::GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND)));
    EXPECT_TRUE(::GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    const UINT ids[] = {IDM_STATISTICS, IDM_MULTI_SORT, IDM_INVERT_SELECTION,
                        IDM_SELECT_ALL, IDM_WORD_WRAP,  IDM_TITLE_CASE,
                        IDM_UNDO,       IDM_REDO,       IDM_PREVIEW,
                        IDM_IMPORT,     IDM_TIP,        IDM_ABOUTBOX};
    int previous = -1;
    for (UINT id : ids) {
        int position = -1;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
            if (::GetMenuItemID(menu, i) == id) position = i;
        EXPECT_GT(position, previous) << id;
        previous = position;
    }
    EXPECT_EQ("&About VeltrimLinks...\tCtrl+A", MenuItemText(*m_dlg, IDM_ABOUTBOX));
    EXPECT_EQ("Se&lect All\tCtrl+L", MenuItemText(*m_dlg, IDM_SELECT_ALL));
}

TEST_F(Editing, SelectAllAndInvertSelection) {
    WriteDataFile(DataFile(), 6);
    Open();
    PostCtrlKey(Item(IDC_LINK_LIST), 'L');
    Pump();
    ReleaseCtrlKey();
    EXPECT_EQ("6 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("Title 0", Text(IDC_TITLE));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_PREVIOUS)));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_NEXT)));
    // Everything selected: inverting clears it and leaves the editor alone.
    SysCommand(IDM_INVERT_SELECTION);
    EXPECT_EQ("0 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("Title 0", Text(IDC_TITLE));
    SelectRows(Item(IDC_LINK_LIST), {0, 1, 4});
    SysCommand(IDM_INVERT_SELECTION);
    EXPECT_EQ("3 selected links", Text(IDC_SELECTED_COUNT));
    EXPECT_EQ("Title 2", Text(IDC_TITLE));
    EXPECT_EQ(LVIS_SELECTED,
              ::SendMessageA(Item(IDC_LINK_LIST), LVM_GETITEMSTATE, 5, LVIS_SELECTED));
}

TEST_F(Editing, LeavingAChangedRecordSavesItIntoThatRecord) {
    WriteDataFile(DataFile(), 5);
    Open();
    ShowRow(1);
    Type(IDC_TITLE, "Left behind");
    ShowRow(3);
    EXPECT_EQ("Left behind", m_dlg->GetList().GetAt(1)->m_strTitle.str());
    EXPECT_EQ("Title 3", m_dlg->GetList().GetAt(3)->m_strTitle.str());
    EXPECT_EQ(1, m_dlg->GetSavePresses());
}

TEST_F(Editing, LaunchRefusesAnEmptyLink) {
    Open();
    Type(IDC_LINK, "   ");
    m_answers.Queue(IDOK);
    Click(IDC_LAUNCH);
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Please put a link or full filename into the Link field.", m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_answers.Shown()[0].type & MB_ICONMASK);
}

TEST_F(Editing, DeleteKeyInTheListAsksTheDeleteQuestion) {
    WriteDataFile(DataFile(), 4);
    Open();
    HWND list = Item(IDC_LINK_LIST);
    SelectRows(list, {1});
    m_answers.Queue(IDYES);
    ::PostMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
    Pump();
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Delete 1 item?", m_answers.Shown()[0].text);
    EXPECT_EQ(3, Rows());
}

TEST_F(Editing, MinimiseAndRestoreSwapRestoreAndMinimizeInTheMenu) {
    Open();
    ::ShowWindow(*m_dlg, SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(MenuItemState(*m_dlg, SC_RESTORE) & MF_GRAYED);
    EXPECT_TRUE(MenuItemState(*m_dlg, SC_MINIMIZE) & MF_GRAYED);
    ::ShowWindow(*m_dlg, SW_RESTORE);
    Pump();
    EXPECT_TRUE(MenuItemState(*m_dlg, SC_RESTORE) & MF_GRAYED);
    EXPECT_FALSE(MenuItemState(*m_dlg, SC_MINIMIZE) & MF_GRAYED);
}
