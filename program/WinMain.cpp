// The program's entry point: one application object, run once.
#include <windows.h>

#include "program/LinksApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CLinksApp app;
    return app.Run(instance);
}
