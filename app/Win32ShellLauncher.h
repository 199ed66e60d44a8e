// CWin32ShellLauncher: launches through ShellExecuteA and asks the file system for folders.
#pragma once

#include "app/ShellLauncher.h"

class CWin32ShellLauncher : public CShellLauncher {
public:
    int Execute(const std::string& verb, const std::string& target) override;
    bool IsFolder(const std::string& path) override;
};
