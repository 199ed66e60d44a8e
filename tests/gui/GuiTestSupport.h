// Support for the tests that drive the real windows under Wine: message boxes answered by the
// test, a message pump that waits for a condition, and list-view and menu helpers. Temporary
// folders and data files come from tests/core/TestSupport.h.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "framework/MessageBox.h"
#include "tests/core/TestSupport.h"

// One message box that the program showed, and the thread that showed it.
struct CShownMessage {
    std::string text, caption;
    UINT type;
    DWORD threadId;
};

// Answers the program's message boxes in order with the queued answers, and records each one. A
// box with no answer queued fails the running test (queue IDOK for a notice). Defined in
// MessageBoxAnswers.cpp: only the GoogleTest program links it.
class CMessageBoxAnswers {
public:
    CMessageBoxAnswers();
    ~CMessageBoxAnswers() { SetMessageBoxHandler(nullptr); }
    void Queue(int answer) { m_answers.push_back(answer); }
    const std::vector<CShownMessage>& Shown() const { return m_shown; }

private:
    std::deque<int> m_answers;
    std::vector<CShownMessage> m_shown;
};

// Pumps the thread's messages through `pump` until `done` holds or `timeoutMs` passes; returns
// whether it holds.
bool PumpUntil(const std::function<bool()>& pump, const std::function<bool()>& done,
               DWORD timeoutMs = 5000);
std::string WindowText(HWND hWnd);
// The text on the clipboard, "" when there is none.
std::string ClipboardText();

// Clicks a row of a list view as the mouse would (posted: the caller pumps), with MK_CONTROL or
// MK_SHIFT in `keys` for a modified click; SelectRows clicks the first row alone and the others
// with Ctrl held, at once (sent).
void ClickRow(HWND list, int row, WPARAM keys = 0);
void SelectRows(HWND list, const std::vector<int>& rows);
// The text of a list view cell, asked for with a buffer of `bufferSize` characters.
std::string CellText(HWND list, int row, int column, int bufferSize = 260);
// Posts a key press to `target` with Ctrl held (the thread's key state says so while it is
// pumped), so that accelerators see it.
void PostCtrlKey(HWND target, UINT key);
void ReleaseCtrlKey();
// The text and state of a system-menu item.
std::string MenuItemText(HWND window, UINT id);
UINT MenuItemState(HWND window, UINT id);
