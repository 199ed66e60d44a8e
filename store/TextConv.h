// CTextConv: conversions that depend on the system's ANSI code page. The Windows program uses the
// code page's own tables; the portable one treats ANSI as Latin-1 and knows the letters, digits
// and case of ASCII only.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to UTF-16 code units. What is not well-formed gives U+FFFD: once for a sequence cut short,
// once for each byte that cannot start or continue one (overlong forms, surrogates, values above
// U+10FFFF).
std::u16string Utf8ToWide(std::string_view utf8);
// UTF-16 code units to UTF-8, appended to `utf8`. A surrogate without its partner gives U+FFFD.
void AppendWideAsUtf8(std::u16string_view wide, std::string& utf8);
inline std::string WideToUtf8(std::u16string_view wide) {
    std::string utf8;
    AppendWideAsUtf8(wide, utf8);
    return utf8;
}

class CTextConv {
public:
    virtual ~CTextConv() = default;
    // UTF-16 text (as code units) to the ANSI code page; characters without an ANSI form become
    // '?'.
    virtual std::string WideToAnsi(std::u16string_view wide) const;
    // ANSI text to UTF-16 code units; the portable form takes each byte as the code point of the
    // same value (Latin-1).
    virtual std::u16string AnsiToWide(std::string_view ansi) const;
    // UTF-8 text to the ANSI code page, through UTF-16 and WideToAnsi; what is not well-formed
    // UTF-8 becomes '?' like a character without an ANSI form.
    std::string Utf8ToAnsi(std::string_view utf8) const { return WideToAnsi(Utf8ToWide(utf8)); }
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
