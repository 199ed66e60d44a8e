// Support for the tests that drive the real windows under Wine: a private temporary folder,
// message boxes answered by the test, data files made from records, and a message pump that
// waits for a condition.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "store/LinkList.h"

// A folder of its own under the system's temporary folder, removed with its files at the end.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    const std::string& Path() const { return m_strPath; }
    std::string File(const std::string& name) const { return m_strPath + "\\" + name; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> List() const;

private:
    std::string m_strPath;
};

// One message box that the program showed.
struct CShownMessage {
    std::string text;
    std::string caption;
    UINT type;
};

// Answers the program's message boxes in order with the queued answers (IDOK when none is
// queued) and records each one.
class CMessageBoxAnswers {
public:
    CMessageBoxAnswers();
    ~CMessageBoxAnswers();
    void Queue(int answer) { m_answers.push_back(answer); }
    const std::vector<CShownMessage>& Shown() const { return m_shown; }

private:
    std::deque<int> m_answers;
    std::vector<CShownMessage> m_shown;
};

// Files as bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Writes a data file of `count` records titled "Title 0", "Title 1", ..., with categories.
void WriteDataFile(const std::string& path, int count);
// Writes a data file of the list's records and categories.
void WriteDataFile(const std::string& path, const CLinkList& list);
// The bytes of a data file of `count` such records in the given version (1 or 2).
std::string MakeDataFileBytes(int count, int version = 2);

// Pumps the thread's messages through `pump` until `done` holds or `timeoutMs` passes; returns
// whether it holds.
bool PumpUntil(const std::function<bool()>& pump, const std::function<bool()>& done,
               DWORD timeoutMs = 5000);

// The text of a window.
std::string WindowText(HWND hWnd);

// Clicks a row of a list view as the mouse would, through the list's own message handling
// (posted: the caller pumps), with MK_CONTROL or MK_SHIFT in `keys` for a modified click.
void ClickRow(HWND list, int row, WPARAM keys = 0);
// The text of a list view cell, asked for with a buffer of `bufferSize` characters.
std::string CellText(HWND list, int row, int column, int bufferSize = 260);
// Selects exactly the given rows of a list view, clicking them at once (sent, not posted).
void SelectRows(HWND list, const std::vector<int>& rows);
// Posts a key press to `target` with Ctrl held (the thread's key state says so while it is
// pumped), so that accelerators see it.
void PostCtrlKey(HWND target, UINT key);
void ReleaseCtrlKey();
// The text and state of a system-menu item.
std::string MenuItemText(HWND window, UINT id);
UINT MenuItemState(HWND window, UINT id);
