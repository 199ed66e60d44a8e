// CLinksDlg: the list of links, its counters, and showing a record in the editor.
#include <algorithm>
#include <cstring>

#include "controls/NumberFormatter.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "store/NewCategory.h"

namespace {

constexpr UINT allRowStates = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED;
constexpr WORD virtualKeyCtrl = VK_CONTROL;
constexpr WORD virtualKeyAlt = VK_MENU;

}  // namespace

void CLinksDlg::LockListUpdate(bool lock) {
    // WM_SETREDRAW rather than the window-update lock: the same effect for the user, without the
    // desktop-wide lock that makes bulk changes crawl under some window systems. Turning drawing
    // back on brings the scroll bars up to date; the rows are then painted once, at once.
    if (lock) {
        m_listLinks.SetRedraw(false);
    } else {
        m_listLinks.SetRedraw(true);
        m_listLinks.Invalidate(true);
        m_listLinks.UpdateWindow();
    }
}

std::string CLinksDlg::FormatCount(const char* format, long long count) const {
    const CNumberFormatter formatter(m_settings.m_bUseThousandsSep != 0,
                                     m_settings.m_chThousandsSep);
    return ::FormatCount(format, count, formatter);
}

void CLinksDlg::UpdateLinkCount() {
    m_staticLinkCount.SetWindowText(
        FormatCount("%s link%s", static_cast<long long>(m_list.GetCount())));
}

void CLinksDlg::UpdateSelectedCount() {
    m_staticSelectedCount.SetWindowText(
        FormatCount("%s selected link%s", m_listLinks.GetSelectedCount()));
}

void CLinksDlg::DeselectAll() {
    // One call for every row: an owner-data list clears its selection ranges at once.
    m_listLinks.SetItemState(-1, 0, allRowStates);
    UpdateSelectedCount();
}

void CLinksDlg::ResetRows() {
    // Deleting all rows of an owner-data list drops its selection ranges in one step; lowering
    // the row count instead removes them one range at a time, which is slow for a scattered
    // selection under some implementations of the list view.
    const int top = m_listLinks.GetTopIndex();
    m_listLinks.DeleteAllItems();
    m_listLinks.SetItemCountEx(static_cast<int>(m_list.GetCount()));
    if (m_list.GetCount() > 0)
        m_listLinks.EnsureVisible(std::min(top, static_cast<int>(m_list.GetCount()) - 1));
}

void CLinksDlg::ShowSelectedLink(bool fromClick) {
    if (m_bSearching) return;
    const int mark = m_listLinks.GetSelectionMark();
    if (mark < 0) return;

    // Leaving a record with unsaved changes saves them into the record they came from.
    if (fromClick && m_settings.m_bMoveSave && m_bEditorDirty && mark != m_nEditorRow)
        SaveEditorLink(false);

    m_nEditorRow = mark;
    if (static_cast<size_t>(mark) < m_list.GetCount()) {
        const CLinkItem* item = m_list.GetAt(static_cast<size_t>(mark));
        ShowLinkItem(item);
        m_pEditorItem = item;
        m_bRecordLoaded = true;
        if (m_settings.m_bCopyLink && m_editLink.GetWindowTextLength() > 0) {
            m_editLink.SetSel(0, -1);
            m_editLink.Copy();
            m_editLink.SetSel(-1, 0);
        }
    }
    if (fromClick) {
        AddSearchTerm();
        m_comboSearch.SetWindowText("");
        m_btnPrevious.EnableWindow(false);
        m_btnNext.EnableWindow(false);
    }
    m_bEditorDirty = false;
    UpdateSelectedCount();
}

void CLinksDlg::ShowLinkItem(const CLinkItem* item) {
    if (!item) return;
    m_editTitle.SetWindowText(item->m_strTitle.c_str());
    m_editLink.SetWindowText(item->m_strLink.c_str());
    m_editDescription.SetWindowText(item->m_strDescription.c_str());
    m_comboCategory.SetWindowText(item->m_strCategory.c_str());
    m_staticModified.SetWindowText(item->m_dtModified.FormatShort());
    m_bEditorDirty = true;
}

void CLinksDlg::ClearEditor(bool resetCategories) {
    m_editTitle.SetWindowText("");
    m_editLink.SetWindowText("");
    m_editDescription.SetWindowText("");
    m_staticModified.SetWindowText("");
    m_bRecordLoaded = false;
    m_pEditorItem = nullptr;
    m_btnPrevious.EnableWindow(false);
    m_btnNext.EnableWindow(false);
    m_bEditorDirty = false;
    if (resetCategories) {
        m_comboCategory.ResetContent();
        m_comboCategory.SetWindowText("");
        return;
    }
    const CNewCategory choice = ChooseNewCategory(m_list.m_strNewCategory, m_list.Categories());
    if (choice.action == CNewCategory::empty)
        m_comboCategory.SetWindowText("");
    else if (choice.action == CNewCategory::select)
        m_comboCategory.SetCurSel(choice.index);
}

void CLinksDlg::FillCategoryCombo() {
    const std::string text = m_comboCategory.GetWindowText();
    m_comboCategory.ResetContent();
    // The model keeps the names in their order; the combo box mirrors it entry by entry.
    for (const std::string& name : m_list.Categories().Names())
        m_comboCategory.InsertString(-1, name.c_str());
    m_comboCategory.SetWindowText(text);
}

void CLinksDlg::OnGetDispInfo(NMLVDISPINFOA* info) {
    LVITEMA& cell = info->item;
    if (!(cell.mask & LVIF_TEXT) || !cell.pszText || cell.cchTextMax <= 0) return;
    if (cell.iItem < 0 || static_cast<size_t>(cell.iItem) >= m_list.GetCount()) {
        cell.pszText[0] = '\0';
        return;
    }
    const CLinkItem& item = *m_list.GetAt(static_cast<size_t>(cell.iItem));
    std::string date;
    std::string_view text;
    switch (cell.iSubItem) {
        case colTitle:
            text = item.m_strTitle.view();
            break;
        case colCategory:
            text = item.m_strCategory.view();
            break;
        case colDescription:
            text = item.m_strDescription.view();
            break;
        case colAdded:
            date = item.m_dtAdded.FormatLong();
            text = date;
            break;
        case colModified:
            date = item.m_dtModified.FormatLong();
            text = date;
            break;
        default:
            break;
    }
    // Longer texts are cut to the control's buffer, never overrun.
    const size_t length = std::min(text.size(), static_cast<size_t>(cell.cchTextMax - 1));
    std::memcpy(cell.pszText, text.data(), length);
    cell.pszText[length] = '\0';
}

bool CLinksDlg::OnListKeyDown(const NMLVKEYDOWN* key) {
    // A key after Alt belongs to a menu or a mnemonic, not to the list.
    const bool isAlt = key->wVKey == virtualKeyAlt;
    if (m_bPrevKeyAlt && !isAlt) {
        m_bPrevKeyAlt = false;
        return false;
    }
    m_bPrevKeyAlt = isAlt;
    if (key->wVKey == virtualKeyCtrl || isAlt || key->wVKey == VK_SPACE) return false;
    if (key->wVKey == VK_DELETE) {
        OnDelete();
        return false;
    }
    // The list moves its selection mark after this notification; the timer shows the record
    // once it has.
    SetTimer(timerKey, keyTimerDelay);
    return true;
}

bool CLinksDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_LINK_LIST) return CDialog::OnNotify(id, header, result);
    switch (header->code) {
        case LVN_GETDISPINFOA:
            OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
            return true;
        case NM_CLICK:
            ShowSelectedLink(true);
            result = 0;
            return true;
        case NM_DBLCLK:
            OnLaunch();
            result = 0;
            return true;
        case NM_RCLICK:
            UpdateSelectedCount();
            result = 0;
            return true;
        case LVN_KEYDOWN:
            if (OnListKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header))) {
                result = 0;
                return true;
            }
            return false;
        default:
            return false;
    }
}
