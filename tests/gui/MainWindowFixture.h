// A main window over a data file in a temporary folder, created without a modal loop so that the
// test drives it message by message.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "app/MemoryProfile.h"
#include "app/ShellLauncher.h"
#include "mainwnd/LinksDlg.h"
#include "store/Win32FileSystem.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/ModalWatch.h"

// A shell that records what it was asked to launch, from whichever thread, starts nothing, and
// answers with `m_nResult`.
class CRecordingLauncher : public CShellLauncher {
public:
    int Execute(const std::string& verb, const std::string& target) override {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_launched.push_back(verb + " " + target);
        return m_nResult;
    }
    bool IsFolder(const std::string& path) override {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::vector<std::string> Launched() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_launched;
    }
    std::atomic<int> m_nResult{42};

private:
    std::mutex m_mutex;
    std::vector<std::string> m_launched;
};

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_strDataFile = m_folder.File("links.dat");
        m_profile.WriteString("Saving", "Data File", m_strDataFile);
        // No tip window in these tests; it would wait for the user.
        m_profile.WriteInt("Misc", "Show Day Tip", 0);
    }
    void TearDown() override { Close(); }

    // Creates the window; it loads the data file.
    void Open() {
        m_dlg = std::make_unique<CLinksDlg>(m_profile, m_fileSystem, m_clock, m_launcher);
        ASSERT_TRUE(m_dlg->Create());
        Pump();
    }
    // Destroys the window (running the destroy handler) and the object.
    void Close() {
        if (!m_dlg) return;
        m_dlg->DestroyWindow();
        m_dlg.reset();
    }
    bool Pump() { return m_dlg->PumpMessages(); }
    bool PumpUntil(const std::function<bool()>& done) {
        return ::PumpUntil([this] { return Pump(); }, done);
    }
    HWND Item(int id) const { return m_dlg->GetDlgItem(id); }
    // A button pressed, or a field's text changed, as the user would.
    void Click(int id) {
        ::SendMessageA(Item(id), BM_CLICK, 0, 0);
        Pump();
    }
    void Type(int id, const std::string& text) {
        ::SetWindowTextA(Item(id), text.c_str());
        Pump();
    }
    std::string Text(int id) const { return WindowText(Item(id)); }
    // A data file of records with these titles and categories, in this order, that lists
    // `categories`.
    void WriteRecords(const std::vector<std::pair<std::string, std::string>>& records,
                      const std::vector<std::string>& categories = {},
                      const std::string& description = "") {
        CLinkList list;
        for (const std::string& name : categories) list.Categories().AddIfAbsent(name);
        const CDateTime when(46023.0, CDateTime::valid);
        for (const auto& [title, category] : records)
            list.AddLinkItem(title, "", description, category, when, when);
        WriteDataFile(DataFile(), list);
    }
    void SysCommand(UINT id) {
        ::SendMessageA(*m_dlg, WM_SYSCOMMAND, id, 0);
        Pump();
    }
    const std::string& DataFile() const { return m_strDataFile; }

    CTempFolder m_folder;
    CMessageBoxAnswers m_answers;
    CModalWatch m_modal;
    CMemoryProfile m_profile;
    std::string m_strDataFile;
    CWin32FileSystem m_fileSystem;
    CSystemClock m_clock;
    CRecordingLauncher m_launcher;
    std::unique_ptr<CLinksDlg> m_dlg;
};
