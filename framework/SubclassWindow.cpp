#include "framework/SubclassWindow.h"

namespace {

// The window property that leads from the control back to its wrapper.
const char* const kWrapperProperty = "CSubclassWindow";

}  // namespace

CSubclassWindow::~CSubclassWindow() {
    Unsubclass();
}

bool CSubclassWindow::Subclass(HWND hWnd) {
    if (m_hSubclassed || !hWnd || !::SetPropA(hWnd, kWrapperProperty, this)) return false;
    m_pOriginal = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    if (!m_pOriginal) {
        ::RemovePropA(hWnd, kWrapperProperty);
        return false;
    }
    m_hSubclassed = hWnd;
    return true;
}

void CSubclassWindow::Unsubclass() {
    if (!m_hSubclassed) return;
    if (::IsWindow(m_hSubclassed)) {
        ::SetWindowLongPtrA(m_hSubclassed, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pOriginal));
        ::RemovePropA(m_hSubclassed, kWrapperProperty);
    }
    m_hSubclassed = nullptr;
}

LRESULT CSubclassWindow::CallOriginal(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(m_pOriginal, m_hSubclassed, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassWindow::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* wrapper = static_cast<CSubclassWindow*>(::GetPropA(hWnd, kWrapperProperty));
    if (!wrapper) return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        const WNDPROC original = wrapper->m_pOriginal;
        wrapper->Unsubclass();
        const LRESULT result = ::CallWindowProcA(original, hWnd, msg, wParam, lParam);
        wrapper->OnFinalMessage();
        return result;
    }
    LRESULT result = 0;
    // No exception may unwind through the Windows API; a failed handler leaves the message to
    // the control.
    try {
        if (wrapper->OnSubclassMessage(msg, wParam, lParam, result)) return result;
    } catch (...) {
    }
    return wrapper->CallOriginal(msg, wParam, lParam);
}
