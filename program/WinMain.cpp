// The program's entry point: the command-line modes, or one application object run once.
#include <windows.h>

#include "app/CommandLine.h"
#include "program/CommandLineRun.h"
#include "program/LinksApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const CCommandLine line = ParseCommandLine(commandLine ? commandLine : "");
    if (line.m_command != ECommand::openWindow) return RunCommandLine(line);
    CLinksApp app;
    return app.Run(instance);
}
