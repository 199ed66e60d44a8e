// CColorEdit: an edit box that paints itself with its own text and background colours (black
// on white unless told otherwise). Attached to a box, it makes it read-only: it shows texts that
// the program writes (a tip, an address).
#pragma once

#include "framework/Edit.h"
#include "framework/SubclassWindow.h"

class CColorEdit : public CEdit, private CSubclassWindow {
public:
    // Constructors
    CColorEdit();
    ~CColorEdit() override;
    bool Attach(HWND hWnd);

    // Operations
    void SetTextColor(COLORREF color);
    // Replaces the background brush and repaints the box.
    void SetBackColor(COLORREF color);

protected:
    bool OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(255, 255, 255);
    HBRUSH m_hBackBrush = nullptr;
};
