// CSortListCtrl: rows that own records, texts on demand, and sorting by header clicks.
#include "controls/SortListCtrl.h"

#include <algorithm>
#include <cstring>

CSortListCtrl::~CSortListCtrl() {
    Unsubclass();
}

bool CSortListCtrl::Attach(HWND hWnd) {
    if (!Subclass(hWnd)) return false;
    CListView::Attach(hWnd);
    return true;
}

int CSortListCtrl::InsertRecord(int index, void* record) {
    const int row = InsertItem(index, LPSTR_TEXTCALLBACKA, reinterpret_cast<LPARAM>(record));
    if (row < 0 && m_bOwnsItemData) DeleteRecord(record);
    return row;
}

void CSortListCtrl::Sort(int column, bool reversed) {
    CSortContext context = {this, column, reversed};
    SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                reinterpret_cast<LPARAM>(&CompareRows));
}

int CALLBACK CSortListCtrl::CompareRows(LPARAM first, LPARAM second, LPARAM self) {
    const auto* context = reinterpret_cast<const CSortContext*>(self);
    return context->list->Compare(reinterpret_cast<const void*>(first),
                                  reinterpret_cast<const void*>(second), context->column,
                                  context->reversed);
}

bool CSortListCtrl::OnParentNotify(const NMHDR* header, LRESULT& result) {
    if (header->hwndFrom != m_hWnd) return false;
    switch (header->code) {
        case LVN_GETDISPINFOA: {
            const LVITEMA& cell = reinterpret_cast<const NMLVDISPINFOA*>(header)->item;
            if (!(cell.mask & LVIF_TEXT) || !cell.pszText || cell.cchTextMax <= 0) return true;
            const std::string text =
                GetItemText(reinterpret_cast<void*>(cell.lParam), cell.iSubItem);
            const std::size_t length =
                std::min(text.size(), static_cast<std::size_t>(cell.cchTextMax - 1));
            std::memcpy(cell.pszText, text.data(), length);
            cell.pszText[length] = '\0';
            result = 0;
            return true;
        }
        case LVN_COLUMNCLICK:
            if (m_bSortable) {
                m_sort.Click(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
                Sort(m_sort.GetColumn(), m_sort.IsReversed());
            }
            result = 0;
            return true;
        default:
            return false;
    }
}

std::vector<void*> CSortListCtrl::AllRecords() const {
    std::vector<void*> records;
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row)
        if (void* record = GetRecord(row)) records.push_back(record);
    return records;
}

void CSortListCtrl::DeleteRecords(const std::vector<void*>& records) {
    if (!m_bOwnsItemData) return;
    for (void* record : records) DeleteRecord(record);
}

bool CSortListCtrl::OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The records leave with their rows: one row, all rows, or the whole control.
    switch (msg) {
        case LVM_DELETEITEM: {
            void* record = GetRecord(static_cast<int>(wParam));
            result = CallOriginal(msg, wParam, lParam);
            if (result && record) DeleteRecords({record});
            return true;
        }
        case LVM_DELETEALLITEMS:
        case WM_DESTROY: {
            const std::vector<void*> records = AllRecords();
            result = CallOriginal(msg, wParam, lParam);
            if (msg == WM_DESTROY || result) DeleteRecords(records);
            return true;
        }
        default:
            return false;
    }
}
