#include "framework/PropertySheet.h"

#include "framework/Application.h"

int CPropertySheetRestore::s_nRemembered = 0;

INT_PTR CPropertySheet::DoModal() {
    std::vector<PROPSHEETPAGEA> pages;
    pages.reserve(m_pages.size());
    for (const CPropertyPage* page : m_pages) pages.push_back(page->GetPageInfo());
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hwndParent = m_hParent;
    header.hInstance = CApplication::GetInstance();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = m_nStartPage < pages.size() ? m_nStartPage : 0;
    header.ppsp = pages.data();
    const INT_PTR result = ::PropertySheetA(&header);
    if (result < 0) return -1;
    return result > 0 ? IDOK : IDCANCEL;
}

CPropertySheetRestore::CPropertySheetRestore(std::string caption, HWND parent, UINT startPage)
    : CPropertySheet(std::move(caption), parent, startPage) {
    m_nStartPage = static_cast<UINT>(s_nRemembered);
}

BOOL CPropertyPageRestore::OnSetActive() {
    const int index = static_cast<int>(
        ::SendMessageA(GetSheet(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(m_hWnd), 0));
    if (index >= 0) CPropertySheetRestore::SaveActiveIndex(index);
    return CPropertyPage::OnSetActive();
}
