// CTextConv: conversions that depend on the system's ANSI code page. The Windows program uses the
// code page's own tables; the portable one treats ANSI as Latin-1 and knows the letters, digits
// and case of ASCII only.
#pragma once

#include <string>
#include <string_view>

class CTextConv {
public:
    virtual ~CTextConv() = default;
    // UTF-16 text (as code units) to the ANSI code page; characters without an ANSI form become
    // '?'.
    virtual std::string WideToAnsi(std::u16string_view wide) const;
    // The text with case folded, so that two texts that differ only in case give the same key.
    virtual std::string FoldCase(std::string_view text) const;
    // Case-insensitive equality of two ANSI texts (the combo box's exact-match rule).
    bool EqualNoCase(std::string_view a, std::string_view b) const {
        return FoldCase(a) == FoldCase(b);
    }
    // Character classes and case of one byte of the code page.
    virtual bool IsAlphaNumeric(char c) const;
    virtual bool IsUpper(char c) const;
    virtual char ToUpper(char c) const;
    virtual char ToLower(char c) const;
    // Case-insensitive order of two texts, digits compared as characters: negative, zero or
    // positive. The portable order compares bytes with ASCII letters folded to lower case.
    virtual int CompareNoCase(std::string_view a, std::string_view b) const;
};

// The conversions in force for the process; the Windows program installs its own at start-up.
const CTextConv& TextConv();
void SetTextConv(const CTextConv* conv);  // nullptr restores the portable one
