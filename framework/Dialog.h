// CDialog: a dialog window made from a resource template. Its dialog procedure forwards each
// message to a virtual handler; the modal loop is the dialog's own, so that PreTranslateMessage
// sees every message first (accelerators) before the dialog's keyboard handling. An exception
// that a handler lets out ends the dialog with IDABORT after one message to the user.
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Window.h"

class CDialog : public CWindow {
public:
    // Constructors
    explicit CDialog(UINT templateId, HWND parent = nullptr)
        : m_nTemplateId(templateId), m_hParent(parent) {}
    // A window still alive here is detached from the object and destroyed without calling any
    // handler: the derived part of the object is already gone. A dialog whose OnDestroy must run
    // is destroyed (DestroyWindow) by its owner or its own destructor before this.
    virtual ~CDialog();

    // Operations
    // Creates the dialog, disables the parent, runs the modal loop and returns the result given
    // to EndDialog; -1 when the window could not be created, IDABORT when a handler failed.
    INT_PTR DoModal();
    // Creates the dialog without running a loop (tests drive it with PumpMessages).
    bool Create(HWND parent = nullptr);
    // Processes the messages waiting in the thread's queue as the modal loop would; returns false
    // once the dialog has ended or a quit request was seen.
    bool PumpMessages();
    // Ends the modal loop with `result` (a dialog that failed keeps IDABORT).
    virtual void EndDialog(INT_PTR result);
    bool IsEnded() const { return m_bEnded; }
    INT_PTR GetResult() const { return m_nResult; }
    // Exchanges members with controls; false if validation failed.
    bool UpdateData(bool saveAndValidate = true);
    void DestroyWindow();

    // Overridables
    virtual bool PreTranslateMessage(MSG* msg);
    virtual void DoDataExchange(CDataExchange&) {}
    virtual BOOL OnInitDialog();
    // Returns true when the command was handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // Returns true when handled; `result` is the notification's result.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Every other message; returns true when handled, with `result` as the dialog procedure's
    // message result.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void OnDestroy() {}

protected:
    // Runs the loop until EndDialog or a quit request.
    void RunModalLoop();
    // Forwards a message of the dialog's window to its object: `creating` is the object at
    // WM_INITDIALOG (null afterwards, when the window leads back to it). Dialog procedures of
    // windows that the framework does not create itself (property pages) pass through here.
    static INT_PTR Route(CDialog* creating, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    bool TranslateAndDispatch(MSG& msg);
    // Ends the dialog after a handler threw, telling the user once.
    void EndAfterException() noexcept;

    UINT m_nTemplateId;
    HWND m_hParent;
    bool m_bEnded = false;
    INT_PTR m_nResult = -1;
    bool m_bFailed = false;
};
