// CCategoriesPage: the category list offered by the editor's Category field, renaming a category
// in the records, and what the Category field shows after New. The list and the renames take
// effect on OK or Apply. Data in and out: m_strNewChoice.
#pragma once

#include <map>
#include <string>

#include "controls/SortedListBox.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "options/ListEditPage.h"
#include "options/OptionsHost.h"

class CCategoriesPage : public CListEditPage {
public:
    static constexpr int kMaxCategory = 75;

    CCategoriesPage();
    void SetLinksDlg(COptionsHost* host) { m_pLinksDlg = host; }

    // Data in and out: "LAST", "NONE" or a category.
    std::string m_strNewChoice;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void FillNewChoices();
    void OnAdd() override;
    void OnEdit() override;
    void OnDelete() override;

    CComboBox m_comboNewChoice;
    CButton m_checkRename;
    CEdit m_editCategory;
    CSortedListBox m_listCategories;
    std::string m_strOldName;
    std::map<std::string, std::string> m_renameMap;
    bool m_bChanged = false;
    COptionsHost* m_pLinksDlg = nullptr;
};
