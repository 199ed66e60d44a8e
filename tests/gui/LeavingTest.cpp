// Every way out of the main window, and what each leaves on disk.
#include "framework/Application.h"
#include "framework/MessageBox.h"

#include <commctrl.h>
#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class Leaving : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        SetQuitCode(0);
    }
    void PressEsc() {
        ::PostMessageA(Item(IDC_LINK_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
        Pump();
    }
};

// Esc asks; Yes closes as the Close button does, and an unmodified list leaves the file as it
// was. The close box closes without a question.
TEST_F(Leaving, EscAsksYesClosesLikeTheCloseButtonAndTheCloseBoxDoesNotAsk) {
    WriteDataFile(DataFile(), 25);
    const std::string before = ReadFileBytes(DataFile());
    const auto filesBefore = m_folder.List();
    Open();
    m_answers.Queue(IDNO);
    PressEsc();
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Do you want to exit VeltrimLinks?", m_answers.Shown()[0].text);
    EXPECT_EQ("Confirm Exit", m_answers.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_answers.Shown()[0].type);
    EXPECT_FALSE(m_dlg->IsEnded());
    m_answers.Queue(IDYES);
    PressEsc();
    EXPECT_TRUE(m_dlg->IsEnded());
    EXPECT_EQ(IDOK, m_dlg->GetResult());
    Close();
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    EXPECT_EQ(filesBefore, m_folder.List());
    Open();
    SysCommand(SC_CLOSE);
    EXPECT_TRUE(m_dlg->IsEnded());
    EXPECT_EQ(IDCANCEL, m_dlg->GetResult());
    EXPECT_EQ(2u, m_answers.Shown().size());
}

// A session end that is called off writes nothing; one that happens writes even an unmodified
// list, now as version 2, the earlier state going to the backup.
TEST_F(Leaving, EndOfSessionWritesTheFileEvenUnmodifiedButNotWhenCalledOff) {
    const std::string version1 = MakeDataFileBytes(4, 1);
    WriteFileBytes(DataFile(), version1);
    Open();
    EXPECT_EQ("4 links", Text(IDC_LINK_COUNT));
    ::SendMessageA(*m_dlg, WM_QUERYENDSESSION, 0, 0);
    ::SendMessageA(*m_dlg, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(version1, ReadFileBytes(DataFile()));
    EXPECT_FALSE(FileExists(DataFile() + ".bak"));
    ::SendMessageA(*m_dlg, WM_QUERYENDSESSION, 0, 0);
    ::SendMessageA(*m_dlg, WM_ENDSESSION, TRUE, 0);
    const std::string after = ReadFileBytes(DataFile());
    ASSERT_GE(after.size(), 4u);
    EXPECT_EQ(std::string("\x02\0\0\0", 4), after.substr(0, 4));
    EXPECT_EQ(version1, ReadFileBytes(DataFile() + ".bak"));
    EXPECT_TRUE(m_answers.Shown().empty());
}

TEST_F(Leaving, NewerVersionAnsweredYesQuitsWithCodeOneAndWritesNothing) {
    std::string newer = MakeDataFileBytes(3);
    newer[0] = 3;
    WriteFileBytes(DataFile(), newer);
    const auto filesBefore = m_folder.List();
    m_answers.Queue(IDYES);
    Open();
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ(
        "This program cannot load a data file that has a higher version number.  Do you want to "
        "exit this program without changing the stored settings?",
        m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_answers.Shown()[0].type);
    EXPECT_TRUE(m_dlg->IsEnded());
    EXPECT_EQ(1, GetQuitCode());
    EXPECT_FALSE(m_dlg->IsSaveOnExit());
    Close();
    EXPECT_EQ(newer, ReadFileBytes(DataFile()));
    EXPECT_EQ(filesBefore, m_folder.List());
    // The window's placement and column widths are still kept.
    EXPECT_NE(-1, m_profile.GetInt("Placement", "x1", -1));
    EXPECT_LT(0, m_profile.GetInt("List of Links", "Col 0", 0));
}

// Seen: Select All, Delete, Close left the file as it was, and every record came back.
TEST_F(Leaving, AListTheUserEmptiedIsWrittenAtClose) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 3);
    Open();
    ::SendMessageA(*m_dlg, WM_SYSCOMMAND, IDM_SELECT_ALL, 0);
    Click(IDC_DELETE);
    EXPECT_EQ("0 links", Text(IDC_LINK_COUNT));
    Click(IDOK);
    Close();
    CLinkList saved;
    EXPECT_EQ(ELoadResult::loaded, CDataFile(m_fileSystem, m_clock).Load(DataFile(), saved).result);
    EXPECT_EQ(0u, saved.GetCount());
}

// Seen: with a question open, a timed save waited for the list lock that the question held; the
// end of the session then waited for the save, and log-off hung with nothing written.
TEST_F(Leaving, SessionEndWhileTheDeleteQuestionIsOpenWritesTheFile) {
    WriteDataFile(DataFile(), 5);
    Open();
    SelectRows(Item(IDC_LINK_LIST), {0});
    m_answers.Queue(IDYES);
    Click(IDC_DELETE);
    ASSERT_TRUE(m_dlg->IsModified());
    std::string written = "(the session did not end)";
    SetMessageBoxHandler([&](HWND, const std::string& text, const std::string&, UINT) {
        EXPECT_EQ("Delete 1 item?", text);
        // The timed save starts, then the session ends, as Windows may while a box is open.
        ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
        ::SendMessageA(*m_dlg, WM_QUERYENDSESSION, 0, 0);
        ::SendMessageA(*m_dlg, WM_ENDSESSION, TRUE, 0);
        written = ReadFileBytes(DataFile());
        return IDNO;
    });
    SelectRows(Item(IDC_LINK_LIST), {1});
    Click(IDC_DELETE);
    EXPECT_EQ(std::string::npos, written.find("Title 0"));
    EXPECT_NE(std::string::npos, written.find("Title 1"));
    EXPECT_EQ(4u, m_dlg->GetList().GetCount());
}

namespace {

// What the session end under the undo preview wrote; the preview is a window of its own, so a
// thread timer finds it once it is open.
HWND g_previewOwner = nullptr;
std::string g_previewDataFile;
std::string g_previewWritten;

void CALLBACK EndSessionUnderPreview(HWND, UINT, UINT_PTR id, DWORD) {
    HWND preview = ::FindWindowA(nullptr, "Previews Undo/Redo");
    if (!preview) return;
    ::KillTimer(nullptr, id);
    ::SendMessageA(g_previewOwner, WM_TIMER, CLinksDlg::timerAutoSave, 0);
    ::SendMessageA(g_previewOwner, WM_QUERYENDSESSION, 0, 0);
    ::SendMessageA(g_previewOwner, WM_ENDSESSION, TRUE, 0);
    g_previewWritten = ReadFileBytes(g_previewDataFile);
    ::PostMessageA(preview, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST_F(Leaving, SessionEndWhileTheUndoPreviewIsOpenWritesTheFile) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 5);
    Open();
    ::SendMessageA(*m_dlg, WM_SYSCOMMAND, IDM_PREVIEW, 0);
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    g_previewOwner = *m_dlg;
    g_previewDataFile = DataFile();
    g_previewWritten = "(the session did not end)";
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, EndSessionUnderPreview);
    ::SendMessageA(*m_dlg, WM_SYSCOMMAND, IDM_UNDO, 0);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(std::string::npos, g_previewWritten.find("Title 0"));
    EXPECT_NE(std::string::npos, g_previewWritten.find("Title 4"));
    EXPECT_EQ(4u, m_dlg->GetList().GetCount()) << "cancelled: nothing undone";
}

// Seen: a timed save that failed while the window closed posted its message, and closing threw
// the message away unread.
TEST_F(Leaving, TimedSaveFailingAsTheWindowClosesIsReported) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    m_profile.WriteInt("Saving", "Save on Close", 0);
    WriteDataFile(DataFile(), 3);
    Open();
    ASSERT_TRUE(::CreateDirectoryA((DataFile() + ".tmp").c_str(), nullptr));
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    m_answers.Queue(IDOK);
    ::SendMessageA(*m_dlg, WM_TIMER, CLinksDlg::timerAutoSave, 0);
    Close();
    ::RemoveDirectoryA((DataFile() + ".tmp").c_str());
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Could not save veltrim links into \"" + DataFile() + "\".",
              m_answers.Shown()[0].text);
}

// Cut short, the file loads in part.
TEST_F(Leaving, AFileReadOnlyInPartIsReportedNeverReplacedAndClosingAsks) {
    const std::string whole = MakeDataFileBytes(10), truncated = whole.substr(0, whole.size() - 20);
    WriteFileBytes(DataFile(), truncated);
    m_answers.Queue(IDOK);
    // The Saving page follows the read failure, to choose another data file.
    m_modal.Expect([](HWND sheet) { CModalWatch::Press(sheet, IDCANCEL); });
    Open();
    ASSERT_TRUE(PumpUntil([this] { return m_modal.Seen() == 1; }));
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("Could not read veltrim links from \"" + DataFile() + "\".",
              m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_answers.Shown()[0].type & MB_ICONMASK);
    EXPECT_EQ("9 links", Text(IDC_LINK_COUNT)) << "the records read stay to be looked at";

    // The fifth Save would write the file: it is kept, and the user is told once.
    ClickRow(Item(IDC_LINK_LIST), 0);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Title 0"; }));
    m_answers.Queue(IDOK);
    for (int press = 1; press <= 6; ++press) {
        Type(IDC_TITLE, "Edited " + std::to_string(press));
        Click(IDC_SAVE);
    }
    ASSERT_EQ(2u, m_answers.Shown().size());
    EXPECT_EQ(MessageProtected(DataFile()), m_answers.Shown()[1].text);
    EXPECT_EQ(truncated, ReadFileBytes(DataFile()));

    // Closing asks; No keeps the window and the changes, Yes closes without writing.
    m_answers.Queue(IDNO);
    m_modal.Expect([](HWND sheet) { CModalWatch::Press(sheet, IDCANCEL); });
    Click(IDOK);
    ASSERT_TRUE(PumpUntil([this] { return m_modal.Seen() == 2; }));
    ASSERT_EQ(3u, m_answers.Shown().size());
    EXPECT_EQ(MessageCloseWithoutSaving(DataFile(), true), m_answers.Shown()[2].text);
    EXPECT_FALSE(m_dlg->IsEnded());
    EXPECT_EQ("9 links", Text(IDC_LINK_COUNT));
    m_answers.Queue(IDYES);
    Click(IDOK);
    EXPECT_TRUE(m_dlg->IsEnded());
    Close();
    EXPECT_EQ(truncated, ReadFileBytes(DataFile()));
    EXPECT_FALSE(FileExists(DataFile() + ".bak"));
}

// Closing with a data file that cannot be written asks before it drops the changes; the end of
// the session writes them to a recovery file instead, named at the next start.
TEST_F(Leaving, AnUnwritableDataFileAsksAtCloseAndAtSessionEndGoesToARecoveryFile) {
    m_profile.WriteInt("Misc", "Confirm Delete", 0);
    WriteDataFile(DataFile(), 4);
    const std::string before = ReadFileBytes(DataFile());
    Open();
    ASSERT_TRUE(::CreateDirectoryA((DataFile() + ".tmp").c_str(), nullptr));
    SelectRows(Item(IDC_LINK_LIST), {0});
    Click(IDC_DELETE);
    // No keeps the window, and the Saving page opens to choose another data file.
    m_answers.Queue(IDNO);
    m_modal.Expect([](HWND sheet) {
        EXPECT_EQ(0, ::SendMessageA(sheet, PSM_HWNDTOINDEX,
                                    ::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0));
        CModalWatch::Press(sheet, IDCANCEL);
    });
    Click(IDOK);
    ASSERT_TRUE(PumpUntil([this] { return m_modal.Seen() == 1; }));
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ(MessageCloseWithoutSaving(DataFile(), false), m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
              m_answers.Shown()[0].type);
    EXPECT_FALSE(m_dlg->IsEnded());

    ::SendMessageA(*m_dlg, WM_QUERYENDSESSION, 0, 0);
    ::SendMessageA(*m_dlg, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(before, ReadFileBytes(DataFile()));
    std::string recovery;
    for (const std::string& name : m_folder.List())
        if (name.rfind("links (recovered ", 0) == 0) recovery = m_folder.File(name);
    ASSERT_FALSE(recovery.empty());
    CLinkList recovered;
    ASSERT_EQ(ELoadResult::loaded,
              CDataFile(m_fileSystem, m_clock).Load(recovery, recovered).result);
    EXPECT_EQ(3u, recovered.GetCount());
    EXPECT_EQ(1u, m_answers.Shown().size()) << "no box while the session ends";

    // The process would end here; the next start says where the changes went.
    ::RemoveDirectoryA((DataFile() + ".tmp").c_str());
    Close();
    m_answers.Queue(IDOK);
    Open();
    ASSERT_EQ(2u, m_answers.Shown().size());
    EXPECT_EQ(MessageRecovered(recovery, DataFile()), m_answers.Shown()[1].text);
    Close();
    Open();
    EXPECT_EQ(2u, m_answers.Shown().size()) << "said once";
}

// Seen: the editor's fields kept the edit control's limit of 30,000 characters, so a longer
// Description was cut when pasted.
TEST_F(Leaving, ALongDescriptionPastedAndSavedComesBackWhole) {
    Open();
    const std::string description(60000, 'd');
    ASSERT_TRUE(::OpenClipboard(*m_dlg));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, description.size() + 1);
    memcpy(::GlobalLock(memory), description.c_str(), description.size() + 1);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
    Type(IDC_TITLE, "Long");
    ::SendMessageA(Item(IDC_DESCRIPTION), WM_PASTE, 0, 0);
    Click(IDC_SAVE);
    Click(IDOK);
    Close();
    Open();
    ClickRow(Item(IDC_LINK_LIST), 0);
    ASSERT_TRUE(PumpUntil([this] { return Text(IDC_TITLE) == "Long"; }));
    EXPECT_EQ(60000, ::GetWindowTextLengthA(Item(IDC_DESCRIPTION)));
    EXPECT_EQ(description, m_dlg->GetList().GetAt(0)->m_strDescription.str());
}
