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

std::string CWin32TextConv::FoldCase(std::string_view text) const {
    // Lower case by the code page's own tables, the same folding the list controls' exact
    // searches use.
    std::string folded(text);
    if (!folded.empty() && folded.size() <= MAXDWORD)
        ::CharLowerBuffA(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}
