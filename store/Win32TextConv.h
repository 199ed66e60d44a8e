// CWin32TextConv: text conversions by the system's ANSI code page.
#pragma once

#include "store/TextConv.h"

class CWin32TextConv : public CTextConv {
public:
    std::string WideToAnsi(std::u16string_view wide) const override;
    std::u16string AnsiToWide(std::string_view ansi) const override;
    std::string FoldCase(std::string_view text) const override;
    bool IsAlphaNumeric(char c) const override;
    bool IsUpper(char c) const override;
    char ToUpper(char c) const override;
    char ToLower(char c) const override;
    int CompareNoCase(std::string_view a, std::string_view b) const override;
};
