// The Import window opened from the real main window: a bookmark file imported, the data file
// written once for many links, the finder on a prepared folder tree, Stop, Close during a find,
// and the end of the session while the window holds the list.
#include <windows.h>

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

const char* const kBookmarks =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
    "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DL><p>\r\n"
    "    <DT><A HREF=\"http://top.example/\" ADD_DATE=\"1\">Top</A>\r\n"
    "    <DT><H3 ADD_DATE=\"1\">News</H3>\r\n    <DL><p>\r\n"
    "        <DT><A HREF=\"http://news.example/?a=1&amp;b=2\">Daily</A>\r\n"
    "        <DT><H3>Local</H3>\r\n        <DL><p>\r\n"
    "            <DT><A HREF=\"http://local.example/\">Town</A>\r\n        </DL><p>\r\n"
    "        <DT><A HREF=\"http://after.example/\">After</A>\r\n    </DL><p>\r\n</DL><p>\r\n";

// Runs a Unix program from inside Wine, which starts such programs itself.
bool RunUnix(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const std::string program = "Z:" + commandLine.substr(0, commandLine.find(' '));
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return false;
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

// The Unix path of a Windows path, from the function Wine's kernel32 offers for it.
std::string UnixPath(const std::string& path) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    WCHAR wide[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unixPath = toUnix(wide);
    const std::string result = unixPath ? unixPath : "";
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

std::vector<std::string> Found(HWND import) {
    HWND list = ::GetDlgItem(import, IDC_FOUND_FILES);
    std::vector<std::string> found;
    for (int i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[MAX_PATH * 2] = {};
        ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        found.push_back(text);
    }
    return found;
}

// Pumps until the find on its own thread has ended (Find has its caption back) or time runs out.
bool WaitForFindEnd(HWND import, DWORD timeoutMs = 30000) {
    const auto pump = [] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        return true;
    };
    return PumpUntil(
        pump, [=] { return WindowText(::GetDlgItem(import, IDC_FIND)) == "&Find"; }, timeoutMs);
}

void Command(HWND window, int id, bool post = false) {
    const WPARAM command = MAKEWPARAM(id, BN_CLICKED);
    if (post)
        ::PostMessageA(window, WM_COMMAND, command, 0);
    else
        ::SendMessageA(window, WM_COMMAND, command, 0);
}

class Import : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        m_modal.Watch("Imports Favorites or Bookmarks");
    }
    void RunImportWindow(CModalWatch::Action act) {
        const int seen = m_modal.Seen();
        m_modal.Expect(std::move(act));
        ::SendMessageA(*m_dlg, WM_SYSCOMMAND, IDM_IMPORT, 0);
        EXPECT_LT(seen, m_modal.Seen());
    }
    // Imports the file `name` of the test's folder in the open Import window.
    void ImportFile(HWND import, const std::string& name) {
        ::SetDlgItemTextA(import, IDC_BOOKMARK_FILE, ("  " + m_folder.File(name)).c_str());
        Command(import, IDC_IMPORT);
    }
    std::string Record(size_t row) const {
        const CLinkItem& item = *m_dlg->GetList().GetAt(row);
        return item.m_strTitle.str() + "|" + item.m_strLink.str() + "|" + item.m_strCategory.str();
    }
};

}  // namespace

// Seen: an import counted every link as a Save press and wrote the whole file at every fifth.
TEST_F(Import, ABookmarkFileAddsItsLinksInTheirFoldersAndWritesTheFileOnce) {
    m_profile.WriteInt("Saving", "Save Limit", 3);
    WriteDataFile(DataFile(), 1);
    WriteFileBytes(m_folder.File("bookmarks.htm"), kBookmarks);
    Open();
    m_answers.Queue(IDOK);
    RunImportWindow([this](HWND import) {
        ImportFile(import, "bookmarks.htm");
        EXPECT_EQ("5 links", Text(IDC_LINK_COUNT))
            << "the list shows them while the window is open";
        CModalWatch::Press(import, IDCANCEL);
    });
    EXPECT_EQ("Imported 4 links.", m_answers.Shown().at(0).text);
    ASSERT_EQ(5u, m_dlg->GetList().GetCount());
    EXPECT_EQ("Top|http://top.example/|", Record(1));
    EXPECT_EQ("Daily|http://news.example/?a=1&b=2|News", Record(2));
    EXPECT_EQ("Town|http://local.example/|News|Local", Record(3));
    EXPECT_EQ("After|http://after.example/|News", Record(4));
    EXPECT_TRUE(m_dlg->GetList().Categories().Contains("News|Local"));
    // Four links at a limit of three: one write, and the link past the limit stays counted.
    EXPECT_EQ(1, m_dlg->GetSavePresses());
    EXPECT_FALSE(m_dlg->IsModified());
    CLinkList saved;
    ASSERT_EQ(ELoadResult::loaded, CDataFile(m_fileSystem, m_clock).Load(DataFile(), saved).result);
    EXPECT_EQ(5u, saved.GetCount());
}

TEST_F(Import, TheFinderFindsTheMatchingFilesAndLeavesALinkLoopAlone) {
    for (const char* folder : {"a", "a\\b", "c"})
        ASSERT_TRUE(::CreateDirectoryA(m_folder.File(folder).c_str(), nullptr));
    for (const char* file : {"a\\bookmark.htm", "a\\b\\Bookmark.HTML", "a\\b\\other.txt",
                             "c\\BOOKMARK.htm", "c\\bookmark.txt"})
        WriteFileBytes(m_folder.File(file), "x");
    const std::string loop = UnixPath(m_folder.File("a")) + "/loop";
    ASSERT_TRUE(RunUnix("/bin/ln -s .. " + loop));
    Open();
    RunImportWindow([this](HWND import) {
        ::SetDlgItemTextA(import, IDC_DRIVE, m_folder.Path().substr(0, 2).c_str());
        Command(import, IDC_FIND);
        ASSERT_TRUE(WaitForFindEnd(import));
        const std::string status = WindowText(::GetDlgItem(import, IDC_FIND_STATUS));
        EXPECT_EQ(0u, status.find("Found 3 files in ")) << status;
        const std::vector<std::string> found = Found(import);
        ASSERT_EQ(3u, found.size());
        EXPECT_EQ("&Find", WindowText(::GetDlgItem(import, IDC_FIND)));
        ::SendMessageA(::GetDlgItem(import, IDC_FOUND_FILES), LB_SETCURSEL, 0, 0);
        Command(import, IDC_SELECT_FILE);
        EXPECT_EQ(found[0], WindowText(::GetDlgItem(import, IDC_BOOKMARK_FILE)));
        CModalWatch::Press(import, IDCANCEL);
    });
    RunUnix("/bin/rm " + loop);
}

TEST_F(Import, StopEndsTheFindWithTheNumberFoundSoFar) {
    Open();
    RunImportWindow([](HWND import) {
        Command(import, IDC_FIND, true);  // Stop, seen by the find between two folders
        Command(import, IDC_FIND);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(import, IDC_IMPORT))) << "while finding";
        EXPECT_TRUE(WaitForFindEnd(import));
        const std::string status = WindowText(::GetDlgItem(import, IDC_FIND_STATUS));
        EXPECT_EQ(0u, status.find("File searching stopped.  Found ")) << status;
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(import, IDC_IMPORT)));
        CModalWatch::Press(import, IDCANCEL);
    });
}

TEST_F(Import, CloseDuringAFindClosesWithoutASummary) {
    Open();
    RunImportWindow([](HWND import) {
        Command(import, IDCANCEL, true);
        Command(import, IDC_FIND);
        WaitForFindEnd(import, 0);  // lets Close through, and the end message it leaves

        EXPECT_EQ(std::string::npos,
                  WindowText(::GetDlgItem(import, IDC_FIND_STATUS)).find("Found"));
        ::PostMessageA(import, WM_NULL, 0, 0);
    });
    EXPECT_FALSE(::FindWindowA(nullptr, "Imports Favorites or Bookmarks"));
}

TEST_F(Import, SessionEndWhileTheWindowHoldsTheListWritesTheFile) {
    m_profile.WriteInt("Saving", "Save Limit", 99);
    WriteDataFile(DataFile(), 1);
    WriteFileBytes(m_folder.File("bookmarks.htm"), kBookmarks);
    Open();
    m_answers.Queue(IDOK);
    RunImportWindow([this](HWND import) {
        ImportFile(import, "bookmarks.htm");
        ASSERT_TRUE(m_dlg->IsModified());
        // The timed save waits for the list the window holds, until the session end stops it.
        ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
        ::SendMessageA(*m_dlg, WM_QUERYENDSESSION, 0, 0);
        ::SendMessageA(*m_dlg, WM_ENDSESSION, TRUE, 0);
        CLinkList saved;
        EXPECT_EQ(ELoadResult::loaded,
                  CDataFile(m_fileSystem, m_clock).Load(DataFile(), saved).result);
        EXPECT_EQ(5u, saved.GetCount());
        CModalWatch::Press(import, IDCANCEL);
    });
}
