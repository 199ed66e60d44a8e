// The one way the program shows a message box. Tests install a handler that reads the text and
// answers instead of the user.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

using MessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

// Shows `text` with the application's name as caption, or with `caption` when given; returns the
// button pressed (IDOK, IDYES, IDNO, ...).
int AppMessageBox(HWND owner, const std::string& text, UINT type, const char* caption = nullptr);

// Replaces the message box by a handler (an empty one restores the real message box); returns
// the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
