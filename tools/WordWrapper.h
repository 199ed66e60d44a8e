// CWordWrapper: wraps descriptions to the visible width of the Description field, measured in
// the field's own font. Made for one run of the command: it holds a device context of the field
// (released, with its font restored, when it goes) and is inert, leaving texts as they are,
// when there is no field or no device context.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

class CWordWrapper {
public:
    explicit CWordWrapper(HWND edit);
    ~CWordWrapper();
    CWordWrapper(const CWordWrapper&) = delete;
    CWordWrapper& operator=(const CWordWrapper&) = delete;

    // The text unwrapped and wrapped again to the field's width.
    std::string Wrap(std::string_view text) const;

private:
    int Measure(std::string_view text) const;

    HWND m_hEdit = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    int m_nMaxWidth = 0;
    // The width of each character in the field's font, each measured once: a description of a
    // hundred thousand records is then measured without a call to the system per word.
    std::array<int, 256> m_widths{};
};
