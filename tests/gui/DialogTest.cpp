// CDialog's own duties towards Windows: activation goes back to the owner when a modal dialog
// closes, an exception from a handler ends the dialog instead of unwinding through the system,
// and an object destroyed with its window still alive is no longer reached by that window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

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
        if (msg != kStep) return false;
        m_onStep();
        return true;
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

// A visible top-level window of another thread, as another program's window would be; its thread
// runs a message loop until the object is destroyed.
class COtherThreadWindow {
public:
    COtherThreadWindow() {
        HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = std::thread([this, ready] {
            m_hWnd = MakeTopLevel("Another program", 40);
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
            ::SetEvent(ready);
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
            ::DestroyWindow(m_hWnd);
        });
        ::WaitForSingleObject(ready, INFINITE);
        ::CloseHandle(ready);
        m_threadId = ::GetWindowThreadProcessId(m_hWnd, nullptr);
    }
    ~COtherThreadWindow() {
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    HWND m_hWnd = nullptr;

private:
    std::thread m_thread;
    DWORD m_threadId = 0;
};

class Dialog : public ::testing::Test {
protected:
    void SetUp() override {
        m_hOwner = MakeTopLevel("Owner", 80);
        ::SetForegroundWindow(m_hOwner);
        ASSERT_EQ(m_hOwner, ::GetForegroundWindow());
    }
    void TearDown() override { ::DestroyWindow(m_hOwner); }

    CMessageBoxAnswers m_answers;
    // Next below the owner: Windows activates it when an active window goes away while its owner
    // cannot take the activation.
    COtherThreadWindow m_other;
    HWND m_hOwner = nullptr;
};

HWND g_hDestroyed = nullptr;
LONG_PTR g_userAtDestroy = -1;
WNDPROC g_dialogProc = nullptr;

// Records what the dialog's user data (the object it forwards to) is when the window is destroyed.
LRESULT CALLBACK SpyOnDestroy(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        g_hDestroyed = hWnd;
        g_userAtDestroy = ::GetWindowLongPtrA(hWnd, DWLP_USER);
    }
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
    EXPECT_NE(nullptr, activeDuring);
    EXPECT_NE(m_hOwner, activeDuring);
    EXPECT_EQ(m_hOwner, ::GetActiveWindow());
    EXPECT_EQ(m_hOwner, ::GetForegroundWindow());
    EXPECT_TRUE(::IsWindowEnabled(m_hOwner));
}

TEST_F(Dialog, ExceptionFromAHandlerEndsTheDialogWithIDABORTAndOneMessage) {
    const struct {
        const char* what;
        std::function<void()> toThrow;
        bool modal;
    } cases[] = {
        {"standard exception, modal", [] { throw std::runtime_error("broken"); }, true},
        {"not a standard exception, modeless", [] { throw 7; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t shownBefore = m_answers.Shown().size();
        m_answers.Queue(IDOK);
        CTestDialog dialog(m_hOwner);
        dialog.m_onStep = c.toThrow;
        // The window going away after the failure throws again: that adds no second message.
        dialog.m_onDestroy = c.toThrow;
        if (c.modal) {
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
        ASSERT_EQ(shownBefore + 1, m_answers.Shown().size());
        const CShownMessage& shown = m_answers.Shown().back();
        EXPECT_EQ("An unexpected error occurred. The window will be closed.", shown.text);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), shown.type);
    }
}

TEST_F(Dialog, ObjectDestroyedBeforeItsWindowIsNoLongerReachedByIt) {
    std::vector<std::string> log;
    struct CLoggingDialog : CTestDialog {
        explicit CLoggingDialog(std::vector<std::string>& log) : CTestDialog(nullptr), m_log(log) {
            m_onStep = [this] { m_log.push_back("step"); };
            m_onDestroy = [this] { m_log.push_back("OnDestroy"); };
        }
        ~CLoggingDialog() override { m_log.push_back("~CLoggingDialog"); }
        std::vector<std::string>& m_log;
    };
    auto dialog = std::make_unique<CLoggingDialog>(log);
    ASSERT_TRUE(dialog->Create());
    EXPECT_TRUE(PumpUntil([&] { return dialog->PumpMessages(); }, [&] { return !log.empty(); }));
    const HWND hWnd = *dialog;
    g_dialogProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyOnDestroy)));

    dialog.reset();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(hWnd, g_hDestroyed);
    EXPECT_EQ(0, g_userAtDestroy);
    EXPECT_EQ((std::vector<std::string>{"step", "~CLoggingDialog"}), log);
}
