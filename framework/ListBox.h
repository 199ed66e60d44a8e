// CListBox: a list box of texts, with single or multiple selection.
#pragma once

#include <string>
#include <vector>

#include "framework/Window.h"

class CListBox : public CWindow {
public:
    // Attributes
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int GetSel(int index) const {
        return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index)));
    }
    int GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
    // The selected entries of a multiple-selection list box, ascending.
    std::vector<int> GetSelItems() const;
    std::string GetText(int index) const;
    int GetTextLen(int index) const {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    LRESULT GetItemData(int index) const {
        return SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
    }
    int FindStringExact(int startAfter, const char* text) const {
        return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int GetHorizontalExtent() const {
        return static_cast<int>(SendMessage(LB_GETHORIZONTALEXTENT));
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

    // Operations
    int AddString(const char* text) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const char* text) {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int SetSel(int index, bool select = true) {
        return static_cast<int>(
            SendMessage(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index)));
    }
    int SetItemData(int index, LRESULT data) {
        return static_cast<int>(
            SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    void SetHorizontalExtent(int extent) {
        SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
    }
    void SetFont(HFONT font, bool redraw = true) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
};
