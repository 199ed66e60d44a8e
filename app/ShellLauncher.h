// CShellLauncher: the shell as the launch of a link sees it, so that tests never start programs.
// Both questions may be asked from a worker thread.
#pragma once

#include <string>

class CShellLauncher {
public:
    virtual ~CShellLauncher() = default;
    // Has the shell perform `verb` ("open" or "explore") on `target`, shown normally, with no
    // parameters and no working folder; returns the shell's result, success when above 32.
    virtual int Execute(const std::string& verb, const std::string& target) = 0;
    // Whether `path` names an existing folder: its attributes can be read and have the directory
    // attribute.
    virtual bool IsFolder(const std::string& path) = 0;
};
