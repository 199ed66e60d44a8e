// CCategoriesPage: editing the category list and renaming categories in the records.
#include "options/CategoriesPage.h"

#include "framework/MessageBox.h"
#include "res/resource.h"
#include "options/ListPageText.h"
#include "store/NewCategory.h"
#include "store/TextTrim.h"

CCategoriesPage::CCategoriesPage() : CListEditPage(IDD_CATEGORIES, IDC_CATEGORY_LIST) {}

void CCategoriesPage::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_NEW_CHOICE, m_comboNewChoice);
    DDX_Control(dx, IDC_RENAME, m_checkRename);
    DDX_Control(dx, IDC_ENTRY_EDIT, m_editCategory);
    DDX_Control(dx, IDC_CATEGORY_LIST, m_listCategories);
}

BOOL CCategoriesPage::OnInitDialog() {
    CListEditPage::OnInitDialog();
    m_editCategory.SetLimitText(kMaxCategory);
    if (m_pLinksDlg)
        for (const std::string& name : m_pLinksDlg->GetCategories())
            m_listCategories.AddString(name.c_str());
    FillNewChoices();
    return TRUE;
}

void CCategoriesPage::FillNewChoices() {
    std::string shown = m_comboNewChoice.GetWindowText();
    if (shown.empty()) shown = m_strNewChoice;
    const std::vector<std::string> choices = NewCategoryChoices(m_listCategories.Entries());
    m_comboNewChoice.ResetContent();
    for (const std::string& choice : choices) m_comboNewChoice.AddString(choice.c_str());
    m_comboNewChoice.SetCurSel(FindNewCategoryChoice(choices, shown));
}

bool CCategoriesPage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_NEW_CHOICE && code == CBN_SELCHANGE) {
        m_bChanged = true;
        return true;
    }
    return CListEditPage::OnCommand(id, code, control);
}

void CCategoriesPage::OnAdd() {
    const std::string name = TrimText(m_editCategory.GetWindowText());
    if (!name.empty() && !m_listCategories.AddUnique(name)) {
        AppMessageBox(m_hWnd, "This category already exists in the list.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_editCategory.SetWindowText("");
    if (m_checkRename.IsWindowEnabled()) {
        // An emptied name takes the category away from its records.
        if (m_checkRename.GetCheck() == BST_CHECKED) {
            m_renameMap[m_strOldName] = name;
            SetModified();
        }
        m_checkRename.EnableWindow(false);
    }
    m_bChanged = true;
    FillNewChoices();
}

void CCategoriesPage::OnEdit() {
    if (!m_listCategories.TakeCaretEntry(m_strOldName)) {
        AppMessageBox(m_hWnd, kMessageSelectItem, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_editCategory.SetWindowText(m_strOldName);
    m_checkRename.EnableWindow(true);
    m_bChanged = true;
    FillNewChoices();
}

void CCategoriesPage::OnDelete() {
    m_listCategories.DeleteSelected();
    m_bChanged = true;
    FillNewChoices();
}

void CCategoriesPage::OnOK() {
    if (m_pLinksDlg && m_bChanged) {
        m_pLinksDlg->SetCategories(m_listCategories.Entries());
        m_pLinksDlg->RenameCategories(m_renameMap);
    }
    m_strNewChoice = m_comboNewChoice.GetWindowText();
}
