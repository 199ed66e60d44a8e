#include "options/OptionsSheet.h"

COptionsSheet::COptionsSheet(HWND parent) : CPropertySheetRestore("Options", parent, 0) {
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             &m_saving, &m_categories, &m_searching, &m_titleCase, &m_numbers, &m_misc})
        AddPage(*page);
}

void COptionsSheet::SetMainWindow(COptionsHost* host) {
    m_saving.SetLinksDlg(host);
    m_categories.SetLinksDlg(host);
    m_searching.SetLinksDlg(host);
    m_titleCase.SetLinksDlg(host);
    m_numbers.SetLinksDlg(host);
}
