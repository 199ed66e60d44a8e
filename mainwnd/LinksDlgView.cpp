// CLinksDlg: the list of links, its counters, and showing a record in the editor.
#include <algorithm>
#include <cstring>

#include "controls/NumberFormatter.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "search/TitleFind.h"
#include "store/NewCategory.h"
#include "store/TextConv.h"

namespace {

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
        FormatCount("%s selected link%s", static_cast<long long>(m_list.GetSelectedCount())));
}

void CLinksDlg::DeselectAll() {
    m_list.SelectAll(false);
    CListCursor cursor = m_listLinks.GetCursor();
    cursor.focus = -1;
    m_listLinks.ShowCursor(cursor, false);
    UpdateSelectedCount();
}

CLinksDlg::CRowAnchors CLinksDlg::CaptureAnchors() const {
    CRowAnchors anchors;
    const auto recordAt = [this](int row) -> const CLinkItem* {
        return row >= 0 && static_cast<size_t>(row) < m_list.GetCount()
                   ? m_list.GetAt(static_cast<size_t>(row))
                   : nullptr;
    };
    anchors.focused = recordAt(m_listLinks.GetNextItem(-1, LVNI_FOCUSED));
    anchors.mark = recordAt(m_listLinks.GetSelectionMark());
    return anchors;
}

void CLinksDlg::RefreshRows(const CRowAnchors& anchors) {
    // The selection moved with the records in the model; the focus and the selection mark are
    // the list view's own, so they are put back on the rows their records now have.
    m_listLinks.SetItemCountEx(static_cast<int>(m_list.GetCount()));
    CListCursor cursor;
    cursor.focus = anchors.focused ? m_list.FindRow(anchors.focused) : -1;
    cursor.mark = anchors.mark ? m_list.FindRow(anchors.mark) : -1;
    m_listLinks.ShowCursor(cursor, false);
    m_nEditorRow = static_cast<int>(m_pEditorItem ? m_list.FindRow(m_pEditorItem) : -1);
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
    const bool inList = cell.iItem >= 0 && static_cast<size_t>(cell.iItem) < m_list.GetCount();
    if ((cell.mask & LVIF_STATE) && (cell.stateMask & LVIS_SELECTED)) {
        cell.state &= ~LVIS_SELECTED;
        if (inList && m_list.IsSelected(static_cast<size_t>(cell.iItem)))
            cell.state |= LVIS_SELECTED;
    }
    if (!(cell.mask & LVIF_TEXT) || !cell.pszText || cell.cchTextMax <= 0) return;
    if (!inList) {
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

void CLinksDlg::OnItemChanged(const NMLISTVIEW* change) {
    // The list view tells of the selection it changes on the user's clicks and keys; the model
    // keeps it. Row -1 stands for every row.
    if (!(change->uChanged & LVIF_STATE) ||
        !((change->uNewState ^ change->uOldState) & LVIS_SELECTED))
        return;
    const bool selected = (change->uNewState & LVIS_SELECTED) != 0;
    if (change->iItem < 0)
        m_list.SelectAll(selected);
    else
        m_list.SetSelected(static_cast<size_t>(change->iItem), selected);
}

void CLinksDlg::OnStateRangeChanged(const NMLVODSTATECHANGE* change) {
    if (!((change->uNewState ^ change->uOldState) & LVIS_SELECTED) || change->iFrom < 0 ||
        change->iTo < change->iFrom)
        return;
    m_list.SetSelected(static_cast<size_t>(change->iFrom), static_cast<size_t>(change->iTo),
                       (change->uNewState & LVIS_SELECTED) != 0);
}

LRESULT CLinksDlg::OnFindItem(const NMLVFINDITEMA* find, bool wide) {
    // Type-ahead: the list asks for the row whose Title begins with what was typed. Some list
    // views ask in UTF-16 even of an ANSI window.
    const LVFINDINFOA& info = find->lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz) return -1;
    std::string text;
    if (wide) {
        const auto* wideText = reinterpret_cast<const char16_t*>(
            reinterpret_cast<const NMLVFINDITEMW*>(find)->lvfi.psz);
        text = TextConv().WideToAnsi(std::u16string_view(wideText));
    } else {
        text = info.psz;
    }
    const size_t start = find->iStart > 0 ? static_cast<size_t>(find->iStart) : 0;
    return static_cast<LRESULT>(FindTitle(m_list, text, start, (info.flags & LVFI_PARTIAL) != 0,
                                          (info.flags & LVFI_WRAP) != 0));
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
        case LVN_COLUMNCLICK:
            OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            result = 0;
            return true;
        case LVN_ITEMCHANGED:
            OnItemChanged(reinterpret_cast<NMLISTVIEW*>(header));
            return true;
        case LVN_ODSTATECHANGED:
            OnStateRangeChanged(reinterpret_cast<NMLVODSTATECHANGE*>(header));
            return true;
        case LVN_ODFINDITEMA:
        case LVN_ODFINDITEMW:
            result = OnFindItem(reinterpret_cast<NMLVFINDITEMA*>(header),
                                header->code == LVN_ODFINDITEMW);
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
