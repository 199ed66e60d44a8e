// CDialog's own duties towards Windows: activation goes back to the owner when a modal dialog
// closes, an exception from a handler ends the dialog instead of unwinding through the system,
// and an object destroyed with its window still alive is no longer reached by that window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <thread>

#include "framework/Dialog.h"
#include "res/resource.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

// Posted by the test dialog to itself once it is shown; its handler does the test's step.
constexpr UINT kStep = WM_APP + 1;

// Any dialog will do; this template is visible from the start, as a modal dialog is.
class CTestDialog : public CDialog {
public:
    explicit CTestDialog(HWND parent) : CDialog(IDD_UNDO_PREVIEW, parent) {}
    std::function<void()> m_onStep;     // runs at kStep
    std::function<void()> m_onDestroy;  // runs at WM_DESTROY

protected:
    BOOL OnInitDialog() override {
        PostMessage(kStep);
        return TRUE;
    }
    bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
        if (msg == kStep) m_onStep();
        return msg == kStep;
    }
    void OnDestroy() override {
        if (m_onDestroy) m_onDestroy();
    }
};

HWND MakeTopLevel(const char* title, int x) {
    // A static control is a ready-made window class; WS_OVERLAPPEDWINDOW makes it top-level.
    return ::CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, x, 400, 300,
                             nullptr, nullptr, nullptr, nullptr);
}

class Dialog : public ::testing::Test {
protected:
    void SetUp() override {
        // Another thread's window, as another program's would be, next below the owner: Windows
        // activates it when an active window goes away while its owner cannot take the activation.
        std::promise<DWORD> threadId;
        m_other = std::thread([&threadId] {
            const HWND other = MakeTopLevel("Another program", 40);
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
            threadId.set_value(::GetCurrentThreadId());
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
            ::DestroyWindow(other);
        });
        m_otherThreadId = threadId.get_future().get();
        m_hOwner = MakeTopLevel("Owner", 80);
        ::SetForegroundWindow(m_hOwner);
        ASSERT_EQ(m_hOwner, ::GetForegroundWindow());
    }
    void TearDown() override {
        ::DestroyWindow(m_hOwner);
        ::PostThreadMessageA(m_otherThreadId, WM_QUIT, 0, 0);
        m_other.join();
    }

    CMessageBoxAnswers m_answers;
    std::thread m_other;
    DWORD m_otherThreadId = 0;
    HWND m_hOwner = nullptr;
};

WNDPROC g_dialogProc = nullptr;
LONG_PTR g_userAtDestroy = -1;

// Records the dialog's user data (the object it forwards to) when the window is destroyed.
LRESULT CALLBACK SpyOnDestroy(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) g_userAtDestroy = ::GetWindowLongPtrA(hWnd, DWLP_USER);
    return ::CallWindowProcA(g_dialogProc, hWnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(Dialog, OwnerIsActiveAgainWhenAModalDialogCloses) {
    CTestDialog dialog(m_hOwner);
    HWND activeDuring = nullptr;
    dialog.m_onStep = [&] {
        activeDuring = ::GetActiveWindow();
        dialog.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(activeDuring && activeDuring != m_hOwner);
    EXPECT_EQ(m_hOwner, ::GetActiveWindow());
    EXPECT_EQ(m_hOwner, ::GetForegroundWindow());
}

// A standard exception from a modal dialog, and another from a modeless one: the window going
// away after the failure throws again, which adds no second message.
TEST_F(Dialog, ExceptionFromAHandlerEndsTheDialogWithIDABORTAndOneMessage) {
    const std::pair<std::function<void()>, bool> cases[] = {
        {[] { throw std::runtime_error("broken"); }, true}, {[] { throw 7; }, false}};
    for (const auto& [toThrow, modal] : cases) {
        m_answers.Queue(IDOK);
        CTestDialog dialog(m_hOwner);
        dialog.m_onStep = dialog.m_onDestroy = toThrow;
        if (modal) {
            EXPECT_EQ(IDABORT, dialog.DoModal());
        } else {
            ASSERT_TRUE(dialog.Create());
            EXPECT_TRUE(
                PumpUntil([&] { return dialog.PumpMessages(); }, [&] { return dialog.IsEnded(); }));
            EXPECT_EQ(IDABORT, dialog.GetResult());
            dialog.DestroyWindow();
        }
        EXPECT_FALSE(dialog.IsWindow());
        EXPECT_TRUE(::IsWindowEnabled(m_hOwner));
    }
    ASSERT_EQ(2u, m_answers.Shown().size());
    EXPECT_EQ("An unexpected error occurred. The window will be closed.",
              m_answers.Shown()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), m_answers.Shown()[1].type);
}

TEST_F(Dialog, ObjectDestroyedBeforeItsWindowIsNoLongerReachedByIt) {
    auto dialog = std::make_unique<CTestDialog>(nullptr);
    bool stepped = false;
    dialog->m_onStep = [&stepped] { stepped = true; };
    ASSERT_TRUE(dialog->Create());
    EXPECT_TRUE(PumpUntil([&] { return dialog->PumpMessages(); }, [&] { return stepped; }));
    const HWND hWnd = *dialog;
    g_dialogProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyOnDestroy)));
    dialog.reset();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(0, g_userAtDestroy) << "the window still reached the object as it went";
}
