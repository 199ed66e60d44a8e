// Resolving a shell shortcut (.lnk) to the path of its target.
#pragma once

#include <windows.h>

#include <string>

// Loads the shortcut, resolves it (finding a moved target, within a second, without asking the
// user and without changing the shortcut file) and gives the target's path, at most 259
// characters. Returns the last result code of the shell calls (S_OK when all succeeded);
// `target` is empty unless all succeeded.
HRESULT ResolveShortcut(const std::string& shortcutPath, std::string& target);
