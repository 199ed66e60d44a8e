// CNumberFormatter: the text of a count, with or without a thousands separator, as every count
// shown to the user is written. Made on the stack from the current settings for each text.
#pragma once

#include <string>
#include <string_view>

class CNumberFormatter {
public:
    explicit CNumberFormatter(bool useSep = true, char sep = ',')
        : m_bUseSep(useSep), m_chSep(sep) {}

    // The decimal digits of n, the separator between groups of three counted from the right when
    // m_bUseSep is set; "0" for every n <= 0.
    std::string Format(long long n) const;

    bool m_bUseSep;
    char m_chSep;
};

// The plural suffix of a count: "" for exactly 1, "s" otherwise.
const char* PluralSuffix(long long n);

// Fills a format such as "%s link%s" or "Delete %s item%s?": the first "%s" gets the formatted
// count, the second its plural suffix. Only "%s" is replaced; any other '%' is copied as it is,
// and a "%s" beyond the second is left for the caller.
std::string FormatCount(std::string_view format, long long n, const CNumberFormatter& formatter);

// The separator choices of the Numbers page.
enum class ESeparatorChoice { comma, dot, space, other };
// The choice that shows `separator`: other for any character but ',', '.' and ' '.
ESeparatorChoice ChoiceOfSeparator(char separator);
// The separator a choice stands for; Other takes the one character typed, and a comma when the
// box does not hold exactly one.
char SeparatorOfChoice(ESeparatorChoice choice, std::string_view other);
