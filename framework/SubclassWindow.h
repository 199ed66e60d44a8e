// CSubclassWindow: puts a window procedure of the program's own in front of an existing
// control's, so that a wrapper sees the control's messages first and passes on those it leaves.
#pragma once

#include <windows.h>

// A colour request (WM_CTLCOLOR...) that a dialog passes back to the control that sent it, as
// this base plus the message, so that a control can paint itself; a control that answers returns
// its brush, and one that does not returns 0, leaving the request to the dialog.
constexpr UINT kReflectBase = 0x2000;

class CSubclassWindow {
public:
    CSubclassWindow() = default;
    virtual ~CSubclassWindow();
    CSubclassWindow(const CSubclassWindow&) = delete;
    CSubclassWindow& operator=(const CSubclassWindow&) = delete;

    // Operations
    bool Subclass(HWND hWnd);
    // Gives the control its own procedure back; also done when the control is destroyed.
    void Unsubclass();

protected:
    // Overridables
    // Returns true when the message was handled, with `result` as its result; otherwise the
    // control's own procedure handles it.
    virtual bool OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // Called once the control's window is gone; the wrapper may delete itself here.
    virtual void OnFinalMessage() {}

    LRESULT CallOriginal(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND GetSubclassed() const { return m_hSubclassed; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hSubclassed = nullptr;
    WNDPROC m_pOriginal = nullptr;
};
