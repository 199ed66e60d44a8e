// CPropertySheet: a modal property sheet of pages with OK, Cancel and Apply. The caller adds its
// page objects (which outlive the sheet's run) and runs it; pages the user never opened are not
// created and take no part in OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/PropertyPage.h"

class CPropertySheet {
public:
    // Constructors
    CPropertySheet(std::string caption, HWND parent, UINT startPage)
        : m_nStartPage(startPage), m_strCaption(std::move(caption)), m_hParent(parent) {}
    virtual ~CPropertySheet() = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // Operations
    void AddPage(CPropertyPage& page) { m_pages.push_back(&page); }
    // Runs the sheet; IDOK when it ended with OK, IDCANCEL with Cancel or the close box, -1 when
    // it could not be shown.
    INT_PTR DoModal();

protected:
    UINT m_nStartPage;

private:
    std::string m_strCaption;
    HWND m_hParent;
    std::vector<CPropertyPage*> m_pages;
};

// CPropertySheetRestore: a sheet that opens on the page last shown in any such sheet during this
// run of the program. Its pages are CPropertyPageRestore pages, which tell it when they become
// active.
class CPropertySheetRestore : public CPropertySheet {
public:
    CPropertySheetRestore(std::string caption, HWND parent, UINT startPage);

    // The index of the page that became active, remembered for the next sheet.
    static void SaveActiveIndex(int index) { s_nRemembered = index; }

private:
    static int s_nRemembered;
};

class CPropertyPageRestore : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    BOOL OnSetActive() override;
};
