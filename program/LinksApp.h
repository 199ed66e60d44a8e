// CLinksApp: the application object. It prepares the process and runs the main window modally;
// the process ends when the main window closes.
#pragma once

#include "framework/Application.h"

class CLinksApp : public CApplication {
public:
    bool InitInstance() override;
};
