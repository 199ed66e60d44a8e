// CColorEdit: answers the colour request its dialog passes back to it.
#include "controls/ColorEdit.h"

CColorEdit::CColorEdit() : m_hBackBrush(::CreateSolidBrush(m_crBack)) {}

CColorEdit::~CColorEdit() {
    Unsubclass();
    if (m_hBackBrush) ::DeleteObject(m_hBackBrush);
}

bool CColorEdit::Attach(HWND hWnd) {
    if (!Subclass(hWnd)) return false;
    CEdit::Attach(hWnd);
    if (!(::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY)) SendMessage(EM_SETREADONLY, TRUE);
    return true;
}

void CColorEdit::SetTextColor(COLORREF color) {
    m_crText = color;
    if (IsWindow()) Invalidate();
}

void CColorEdit::SetBackColor(COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    if (!brush) return;
    if (m_hBackBrush) ::DeleteObject(m_hBackBrush);
    m_hBackBrush = brush;
    m_crBack = color;
    if (IsWindow()) Invalidate();
}

bool CColorEdit::OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    // A read-only edit box asks as a static control does.
    if (msg != kReflectBase + WM_CTLCOLOREDIT && msg != kReflectBase + WM_CTLCOLORSTATIC)
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, m_crText);
    ::SetBkColor(dc, m_crBack);
    result = reinterpret_cast<LRESULT>(m_hBackBrush);
    return true;
}
