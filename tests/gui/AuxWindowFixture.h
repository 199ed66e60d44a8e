// The main window with the auxiliary windows of its system menu watched: Statistics, Tip of the
// Day, Choose a Topic and About. A test opens one with a system command and acts in it from
// inside its modal loop.
#pragma once

#include "res/resource.h"
#include "tests/gui/MainWindowFixture.h"

class AuxWindowFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* caption :
             {"Statistics", "Tip of the Day", "Choose a Topic", "About Veltrim Links"})
            m_modal.Watch(caption);
    }
    // Runs a system command whose window `act` handles and closes.
    void RunWindow(UINT command, CModalWatch::Action act) {
        const int seen = m_modal.Seen();
        m_modal.Expect(std::move(act));
        ::SendMessageA(*m_dlg, WM_SYSCOMMAND, command, 0);
        EXPECT_LT(seen, m_modal.Seen());
    }
    // Lets the thread's messages through, as the modal loop of the window at hand would, until
    // `done` holds.
    static bool PumpThreadUntil(const std::function<bool()>& done) {
        return ::PumpUntil(
            [] {
                MSG msg;
                while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
                return true;
            },
            done);
    }
    static std::string ItemText(HWND window, int id) {
        return WindowText(::GetDlgItem(window, id));
    }
    static bool ItemEnabled(HWND window, int id) {
        return ::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE;
    }
};
