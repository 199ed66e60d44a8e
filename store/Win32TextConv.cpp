#include "store/Win32TextConv.h"

#include <windows.h>

#include <climits>

std::string CWin32TextConv::WideToAnsi(std::u16string_view wide) const {
    if (wide.empty() || wide.size() > INT_MAX / 4) return std::string();
    const auto* source = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = static_cast<int>(wide.size());
    const int needed =
        ::WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::string();
    std::string result(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, source, length, &result[0], needed, nullptr, nullptr);
    return result;
}

std::u16string CWin32TextConv::AnsiToWide(std::string_view ansi) const {
    if (ansi.empty() || ansi.size() > INT_MAX) return std::u16string();
    const int length = static_cast<int>(ansi.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (needed <= 0) return std::u16string();
    std::u16string result(static_cast<size_t>(needed), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t*>(&result[0]),
                          needed);
    return result;
}

std::string CWin32TextConv::FoldCase(std::string_view text) const {
    // Lower case by the code page's own tables, the same folding the list controls' exact
    // searches use.
    std::string folded(text);
    if (!folded.empty() && folded.size() <= MAXDWORD)
        ::CharLowerBuffA(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

bool CWin32TextConv::IsAlphaNumeric(char c) const {
    return ::IsCharAlphaNumericA(c) != FALSE;
}

bool CWin32TextConv::IsUpper(char c) const {
    return ::IsCharUpperA(c) != FALSE;
}

// One byte at a time through the buffer forms: CharUpperA and CharLowerA would take a single
// character only in the low word of a pointer argument.
char CWin32TextConv::ToUpper(char c) const {
    ::CharUpperBuffA(&c, 1);
    return c;
}

char CWin32TextConv::ToLower(char c) const {
    ::CharLowerBuffA(&c, 1);
    return c;
}

int CWin32TextConv::CompareNoCase(std::string_view a, std::string_view b) const {
    if (a.size() <= INT_MAX && b.size() <= INT_MAX) {
        const int result =
            ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                             static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
        if (result != 0) return result - CSTR_EQUAL;
    }
    // The comparison failed: the portable order keeps the sort consistent.
    return CTextConv::CompareNoCase(a, b);
}
