// The program's entry point: one application object, run once.
#include <windows.h>

#include "app/LinksApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CLinksApp app;
    return app.Run(instance);
}
