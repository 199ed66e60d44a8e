// CLinksDlg: the editing tools on the list: sorting by a header click and by several columns,
// title case and word wrap.
#include <string>

#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "tools/ColumnSort.h"
#include "tools/MultiColumnSortDlg.h"
#include "tools/WordWrapper.h"

void CLinksDlg::OnColumnClick(int column) {
    if (m_bSearching) return;
    CListGuard guard(*this);
    const bool reverse = m_sortState.ClickHeader(column);
    SortRows([&] { SortByColumn(m_list, column, reverse); });
}

void CLinksDlg::OnMultiColumnSort() {
    if (m_bSearching) return;
    CMultiColumnSortDlg dialog(m_hWnd, m_placement, m_settings.m_bSaveColumnWidths != 0);
    dialog.m_order = m_sortState.OpenMultiSort();
    if (dialog.DoModal() != IDOK) return;
    m_sortState.AcceptMultiSort(dialog.m_order);
    CListGuard guard(*this);
    SortRows([&] { SortByOrder(m_list, dialog.m_order); });
}

void CLinksDlg::SortRows(const std::function<void()>& sort) {
    LockListUpdate(true);
    const CRowAnchors anchors = CaptureAnchors();
    try {
        sort();
        // The records moved: the file holds them in the new order at the next write.
        m_bModified = true;
    } catch (const std::bad_alloc&) {
        // The rows are as they were.
    }
    RefreshRows(anchors);
    LockListUpdate(false);
}

void CLinksDlg::ApplyToTexts(bool titles,
                             const std::function<std::string(std::string_view)>& convert) {
    CListGuard guard(*this);
    LockListUpdate(true);
    if (m_list.GetSelectedCount() < 2) {
        // The editor's field changes; its record only when the user saves it.
        CEdit& field = titles ? m_editTitle : m_editDescription;
        field.SetWindowText(convert(field.GetWindowText()));
        m_bEditorDirty = true;
    } else {
        for (const size_t row : m_list.SelectedRows()) {
            CLinkItem& item = *m_list.GetAt(row);
            CCompactString& text = titles ? item.m_strTitle : item.m_strDescription;
            text = convert(text.view());
        }
        ShowSelectedLink(false);
        m_bModified = true;
    }
    LockListUpdate(false);
}

void CLinksDlg::OnTitleCase() {
    if (m_bSearching) return;
    ApplyToTexts(
        true, [this](std::string_view title) { return m_titleCaser.Convert(std::string(title)); });
}

void CLinksDlg::OnWordWrap() {
    if (m_bSearching) return;
    const CWordWrapper wrapper(m_editDescription);
    ApplyToTexts(false, [&wrapper](std::string_view text) { return wrapper.Wrap(text); });
}

std::vector<std::string> CLinksDlg::GetTitleCaseExceptions() const {
    return m_titleCaser.GetExceptions();
}

void CLinksDlg::SetTitleCaseExceptions(const std::vector<std::string>& exceptions) {
    m_titleCaser.SetExceptions(exceptions);
    m_settings.m_titleCaseExceptions = m_titleCaser.GetExceptions();
}

std::vector<std::string> CLinksDlg::GetDefaultTitleCaseExceptions() const {
    return CTitleCaser::GetDefaultExceptions();
}
