// CWordWrapper: the field's device context and font, and the widths of its characters.
#include "tools/WordWrapper.h"

#include "tools/WordWrap.h"

CWordWrapper::CWordWrapper(HWND edit) : m_hEdit(edit) {
    if (!m_hEdit || !::IsWindow(m_hEdit)) return;
    m_hDC = ::GetDC(m_hEdit);
    if (!m_hDC) return;
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hEdit, WM_GETFONT, 0, 0));
    if (font) m_hOldFont = ::SelectObject(m_hDC, font);
    RECT client;
    ::GetClientRect(m_hEdit, &client);
    ::LPtoDP(m_hDC, reinterpret_cast<POINT*>(&client), 2);
    m_nMaxWidth = client.right - client.left - 4;
    // The field's fonts are drawn without kerning, so a text is as wide as its characters.
    for (int ch = 0; ch < 256; ++ch) {
        const char text = static_cast<char>(ch);
        SIZE size = {0, 0};
        if (::GetTextExtentPoint32A(m_hDC, &text, 1, &size))
            m_widths[static_cast<size_t>(ch)] = size.cx;
    }
}

CWordWrapper::~CWordWrapper() {
    if (!m_hDC) return;
    if (m_hOldFont) ::SelectObject(m_hDC, m_hOldFont);
    ::ReleaseDC(m_hEdit, m_hDC);
}

int CWordWrapper::Measure(std::string_view text) const {
    int width = 0;
    for (const char ch : text) width += m_widths[static_cast<unsigned char>(ch)];
    return width;
}

std::string CWordWrapper::Wrap(std::string_view text) const {
    if (!m_hDC) return std::string(text);
    return WordWrap(text, m_nMaxWidth, [this](std::string_view piece) { return Measure(piece); });
}
