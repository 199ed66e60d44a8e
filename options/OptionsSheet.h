// COptionsSheet: the "Options" sheet with its six pages, in the order of their tabs. It opens on
// the page last shown in this run. Data in and out: the pages' members.
#pragma once

#include "framework/PropertySheet.h"
#include "options/CategoriesPage.h"
#include "options/MiscPage.h"
#include "options/NumbersPage.h"
#include "options/OptionsHost.h"
#include "options/SavingPage.h"
#include "options/SearchingPage.h"
#include "options/TitleCasePage.h"

class COptionsSheet : public CPropertySheetRestore {
public:
    enum { pageSaving, pageCategories, pageSearching, pageTitleCase, pageNumbers, pageMisc };

    COptionsSheet(HWND parent);
    // Every page but the Misc. page calls back through the main window.
    void SetMainWindow(COptionsHost* host);

    CSavingPage m_saving;
    CCategoriesPage m_categories;
    CSearchingPage m_searching;
    CTitleCasePage m_titleCase;
    CNumbersPage m_numbers;
    CMiscPage m_misc;
};
