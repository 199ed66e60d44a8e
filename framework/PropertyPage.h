// CPropertyPage: one page of a property sheet, made from its own dialog template. The sheet
// creates the page's window the first time the page is shown; the page's handlers are those of
// CDialog plus the sheet's notices: becoming active, being left (which may keep the user on the
// page), the acceptance on OK and Apply (OnOK), and Cancel.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Dialog.h"

class CPropertyPage : public CDialog {
public:
    // Constructors
    explicit CPropertyPage(UINT templateId);

    // Attributes
    // The sheet's description of the page.
    const PROPSHEETPAGEA& GetPageInfo() const { return m_page; }
    HWND GetSheet() const { return ::GetParent(m_hWnd); }

    // Operations
    // Enables (or, when nothing else is changed, disables) the sheet's Apply button.
    void SetModified(bool changed = true);
    // After a step that cannot be cancelled: OK reads "Close" and Cancel is disabled.
    void CancelToClose();
    // Ends the sheet as Cancel does (a handler's failure ends the whole sheet).
    void EndDialog(INT_PTR result) override;

    // Overridables
    // The page becomes active; false keeps the previous page. The first time the controls were
    // just filled by OnInitDialog; later times they are filled again from the members.
    virtual BOOL OnSetActive();
    // The page is being left; false (after telling the user why) keeps it active. By default the
    // controls' values go back into the members, with their validation.
    virtual BOOL OnKillActive();
    // OK or Apply on a page that has been shown: false keeps the sheet open on this page.
    virtual BOOL OnApply();
    // The sheet's Cancel, for a page that has been shown.
    virtual void OnReset() {}

protected:
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    bool OnCommand(int id, int code, HWND control) override;
    // The acceptance that OnApply runs.
    void OnOK() override {}

private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    PROPSHEETPAGEA m_page;
    bool m_bActivatedBefore = false;
};
