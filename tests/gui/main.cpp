// The Windows tests' entry point: the process is prepared as the program prepares its own.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "store/Win32TextConv.h"
#include "store/TextConv.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&init);
    ::OleInitialize(nullptr);
    static CWin32TextConv textConv;
    SetTextConv(&textConv);
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}
