// CWindow: a non-owning window handle with the few one-line operations the program needs.
#pragma once

#include <windows.h>

#include <string>

class CWindow {
public:
    // Constructors
    CWindow() = default;
    explicit CWindow(HWND hWnd) : m_hWnd(hWnd) {}
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach() {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        return hWnd;
    }

    // Attributes
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    std::string GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

    // Operations
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void SetWindowText(const std::string& text) { SetWindowText(text.c_str()); }
    void EnableWindow(bool enable = true) { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    void ShowWindow(int cmd) { ::ShowWindow(m_hWnd, cmd); }
    void SetFocus() { ::SetFocus(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam) != FALSE;
    }
    void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetIcon(HICON icon, bool big) {
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    void KillTimer(UINT_PTR id) { ::KillTimer(m_hWnd, id); }
    // Centres the window in the work area of the monitor it is on.
    void CenterWindow();

protected:
    HWND m_hWnd = nullptr;
};
