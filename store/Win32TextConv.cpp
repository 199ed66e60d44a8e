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

bool CWin32TextConv::EqualNoCase(std::string_view a, std::string_view b) const {
    if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                            static_cast<int>(a.size()), b.data(),
                            static_cast<int>(b.size())) == CSTR_EQUAL;
}
