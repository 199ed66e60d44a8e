// The command-line modes of VeltrimLinks.exe: /export and /?. They run without a window and
// report on the console that started the program, or in a message box when there is none.
#pragma once

#include "app/CommandLine.h"

// Carries out `line` (anything but ECommand::openWindow); returns the process's exit code.
int RunCommandLine(const CCommandLine& line);
