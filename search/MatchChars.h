// The character rules the matchers share: case folding of the ASCII letters only and the four
// white-space characters.
#pragma once

namespace match {

// Upper case of a byte: only a to z change; bytes 0x80 to 0xFF and all others stay as they are,
// whatever the code page, so that matching is the same on every system.
inline unsigned char Upper(char c) {
    const unsigned u = static_cast<unsigned char>(c);
    return static_cast<unsigned char>(u - 'a' < 26u ? u - ('a' - 'A') : u);
}

inline bool EqualNoCase(char a, char b) {
    return Upper(a) == Upper(b);
}

// Space, tab, CR and LF; vertical tab and form feed are ordinary characters here.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace match
