#include "framework/Dialog.h"

#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "framework/SubclassWindow.h"

// Only detaching is safe here: handlers reached from this destructor would run on an object whose
// derived part is already destroyed. An assertion alone would vanish from the release build and
// leave a window that forwards to freed memory, so the window is still destroyed, unattached.
CDialog::~CDialog() {
    if (!IsWindow()) return;
    ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    ::DestroyWindow(m_hWnd);
}

bool CDialog::Create(HWND parent) {
    if (parent) m_hParent = parent;
    m_bEnded = false;
    m_bFailed = false;
    m_nResult = -1;
    HWND hWnd = ::CreateDialogParamA(CApplication::GetInstance(), MAKEINTRESOURCEA(m_nTemplateId),
                                     m_hParent, DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    const bool disableParent = m_hParent && ::IsWindowEnabled(m_hParent);
    if (disableParent) ::EnableWindow(m_hParent, FALSE);
    if (Create()) RunModalLoop();
    // The owner is enabled before the dialog goes: Windows hands the activation of a window that
    // is destroyed to its owner only when the owner is enabled, and otherwise to the next window,
    // often another program's. An active dialog gives the activation to its owner itself, so
    // that its destruction has none to pass on.
    if (disableParent) ::EnableWindow(m_hParent, TRUE);
    if (IsWindow() && ::GetActiveWindow() == m_hWnd) {
        HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
        if (owner && ::IsWindowEnabled(owner)) ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return m_nResult;
}

void CDialog::DestroyWindow() {
    if (IsWindow()) ::DestroyWindow(m_hWnd);
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // A quit request ends the loop; the process then ends with its code.
            SetQuitCode(static_cast<int>(msg.wParam));
            m_bEnded = true;
            break;
        }
        TranslateAndDispatch(msg);
    }
}

bool CDialog::PumpMessages() {
    MSG msg;
    while (!m_bEnded && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            SetQuitCode(static_cast<int>(msg.wParam));
            m_bEnded = true;
            break;
        }
        TranslateAndDispatch(msg);
    }
    return !m_bEnded;
}

bool CDialog::TranslateAndDispatch(MSG& msg) {
    if (PreTranslateMessage(&msg)) return true;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return false;
}

void CDialog::EndDialog(INT_PTR result) {
    if (!m_bFailed) m_nResult = result;
    m_bEnded = true;
}

void CDialog::EndAfterException() noexcept {
    // Handlers may fail again while the dialog closes (its destroy handler, for one); the user
    // has been told already.
    if (m_bFailed) return;
    EndDialog(IDABORT);
    m_bFailed = true;
    try {
        AppMessageBox(m_hWnd, "An unexpected error occurred. The window will be closed.",
                      MB_OK | MB_ICONERROR);
    } catch (...) {
        // Not even the message could be shown; the dialog ends all the same.
    }
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(m_hWnd, saveAndValidate);
    DoDataExchange(dx);
    return !dx.m_bFailed;
}

bool CDialog::PreTranslateMessage(MSG* msg) {
    return m_hWnd && ::IsDialogMessageA(m_hWnd, msg) != FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool CDialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnNotify(int, NMHDR*, LRESULT&) {
    return false;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Route(msg == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr, hWnd, msg,
                 wParam, lParam);
}

INT_PTR CDialog::Route(CDialog* creating, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = creating;
    if (dialog) {
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    } else {
        dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (!dialog) return FALSE;
    // No exception of any type may unwind through the Windows API: this is the one place that
    // stops them. A handler that did not finish may have left the dialog half-changed, so the
    // dialog ends rather than going on.
    try {
        return dialog->Dispatch(msg, wParam, lParam);
    } catch (...) {
        dialog->EndAfterException();
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            // A command sent to the dialog counts as handled even when no handler took it, as the
            // dialog manager's default would do nothing more with it.
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            LRESULT result = 0;
            if (!OnNotify(static_cast<int>(header->idFrom), header, result)) return FALSE;
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return FALSE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
            m_hWnd = nullptr;
            return FALSE;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            // A control that paints itself answers its own colour request.
            HWND control = reinterpret_cast<HWND>(lParam);
            if (control && control != m_hWnd) {
                const LRESULT brush = ::SendMessageA(control, kReflectBase + msg, wParam, lParam);
                if (brush) return static_cast<INT_PTR>(brush);
            }
            break;
        }
        default:
            break;
    }
    LRESULT result = 0;
    if (!OnMessage(msg, wParam, lParam, result)) return FALSE;
    switch (msg) {
        // These messages return their result directly from the dialog procedure.
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
