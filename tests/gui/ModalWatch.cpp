#include "tests/gui/ModalWatch.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

CModalWatch* g_watch = nullptr;

struct CFound {
    const std::vector<std::string>* captions;
    // Windows already acted on: a window opened from inside one of them is found past it.
    const std::vector<HWND>* handled;
    HWND window;
};

BOOL CALLBACK FindWatched(HWND hWnd, LPARAM param) {
    auto* found = reinterpret_cast<CFound*>(param);
    if (!::IsWindowVisible(hWnd) ||
        std::find(found->handled->begin(), found->handled->end(), hWnd) != found->handled->end())
        return TRUE;
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    if (std::find(found->captions->begin(), found->captions->end(), text) == found->captions->end())
        return TRUE;
    found->window = hWnd;
    return FALSE;
}

}  // namespace

CModalWatch::CModalWatch(std::vector<std::string> captions) : m_captions(std::move(captions)) {
    g_watch = this;
    m_nTimer = ::SetTimer(nullptr, 0, 30, Watch);
}

CModalWatch::~CModalWatch() {
    ::KillTimer(nullptr, m_nTimer);
    EXPECT_TRUE(m_expected.empty()) << m_expected.size() << " expected window(s) never appeared";
    g_watch = nullptr;
}

void CModalWatch::Press(HWND window, int id) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    ::PostMessageA(window, WM_NULL, 0, 0);
}

void CModalWatch::SelectPage(HWND sheet, int index) {
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CALLBACK CModalWatch::Watch(HWND, UINT, UINT_PTR, DWORD) {
    CModalWatch* watch = g_watch;
    if (!watch) return;
    // A window handle that is gone may come back for a new window.
    auto& handled = watch->m_handled;
    handled.erase(
        std::remove_if(handled.begin(), handled.end(), [](HWND hWnd) { return !::IsWindow(hWnd); }),
        handled.end());
    CFound found = {&watch->m_captions, &handled, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindWatched, reinterpret_cast<LPARAM>(&found));
    if (!found.window) return;
    watch->m_handled.push_back(found.window);
    ++watch->m_nSeen;
    if (watch->m_expected.empty()) {
        char caption[256] = {};
        ::GetWindowTextA(found.window, caption, sizeof caption);
        ADD_FAILURE() << "a window nobody expected: " << caption;
        Press(found.window, IDCANCEL);
        return;
    }
    Action act = std::move(watch->m_expected.front());
    watch->m_expected.pop_front();
    act(found.window);
}
