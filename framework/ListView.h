// CListView: a report-view list control. Used with owner data, the control holds the row count
// and each row's selection and focus, and the texts come from the owner on demand; otherwise it
// holds rows with their texts (or a request for them) and one value of item data each.
#pragma once

#include "framework/Window.h"

#include <commctrl.h>

class CListView : public CWindow {
public:
    // Attributes
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetSelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
    }
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }
    int GetColumnWidth(int column) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    int GetColumnCount() const {
        HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
        return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    }
    LPARAM GetItemData(int item) const {
        LVITEMA lvi = {};
        lvi.mask = LVIF_PARAM;
        lvi.iItem = item;
        return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi)) ? lvi.lParam : 0;
    }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    bool GetItemRect(int item, RECT* rect, int code) const {
        rect->left = code;
        return SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item),
                           reinterpret_cast<LPARAM>(rect)) != 0;
    }

    // Operations
    // The row states the owner keeps and the list asks for when it needs them.
    void SetCallbackMask(UINT states) { SendMessage(LVM_SETCALLBACKMASK, states); }
    void SetExtendedStyle(DWORD styles) {
        SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    }
    int InsertColumn(int index, const char* caption, int format, int width) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = format;
        column.cx = width;
        column.pszText = const_cast<char*>(caption);
        column.iSubItem = index;
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&column)));
    }
    // Inserts a row of a list that is not owner data; LPSTR_TEXTCALLBACKA as `text` has the
    // owner supply the texts when drawn. Returns the row, or -1.
    int InsertItem(int item, const char* text, LPARAM data = 0) {
        LVITEMA lvi = {};
        lvi.mask = LVIF_TEXT | LVIF_PARAM;
        lvi.iItem = item;
        lvi.pszText = const_cast<char*>(text);
        lvi.lParam = data;
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
    }
    void SetItemText(int item, int column, const char* text) {
        LVITEMA lvi = {};
        lvi.iSubItem = column;
        lvi.pszText = const_cast<char*>(text);
        SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
    }
    void SetColumnWidth(int column, int width) {
        SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
    }
    // Sets the row count of an owner-data list without scrolling it back to the top.
    void SetItemCountEx(int count, DWORD flags = LVSICF_NOSCROLL) {
        SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), flags);
    }
    void DeleteAllItems() { SendMessage(LVM_DELETEALLITEMS); }
    // item -1 applies the state to every row.
    void SetItemState(int item, UINT state, UINT mask) {
        LVITEMA lvi = {};
        lvi.stateMask = mask;
        lvi.state = state;
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
    }
    void SetSelectionMark(int item) {
        SendMessage(LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(item));
    }
    void EnsureVisible(int item) {
        SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
    }
    void RedrawItems(int first, int last) {
        SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
    }
};
