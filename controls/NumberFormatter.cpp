// CNumberFormatter: counts as text, and the "%s ...%s" count formats.
#include "controls/NumberFormatter.h"

#include <algorithm>

std::string CNumberFormatter::Format(long long n) const {
    if (n <= 0) return "0";
    // Digits from the right, then reversed; a separator goes in before every fourth digit.
    std::string text;
    int digits = 0;
    for (; n > 0; n /= 10) {
        if (m_bUseSep && digits > 0 && digits % 3 == 0) text += m_chSep;
        text += static_cast<char>('0' + n % 10);
        ++digits;
    }
    std::reverse(text.begin(), text.end());
    return text;
}

const char* PluralSuffix(long long n) {
    return n == 1 ? "" : "s";
}

std::string FormatCount(std::string_view format, long long n, const CNumberFormatter& formatter) {
    const std::string values[2] = {formatter.Format(n), PluralSuffix(n)};
    std::string text;
    text.reserve(format.size() + values[0].size() + 1);
    int filled = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (filled < 2 && format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            text += values[filled++];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

ESeparatorChoice ChoiceOfSeparator(char separator) {
    switch (separator) {
        case ',':
            return ESeparatorChoice::comma;
        case '.':
            return ESeparatorChoice::dot;
        case ' ':
            return ESeparatorChoice::space;
        default:
            return ESeparatorChoice::other;
    }
}

char SeparatorOfChoice(ESeparatorChoice choice, std::string_view other) {
    switch (choice) {
        case ESeparatorChoice::dot:
            return '.';
        case ESeparatorChoice::space:
            return ' ';
        case ESeparatorChoice::other:
            return other.size() == 1 ? other[0] : ',';
        case ESeparatorChoice::comma:
        default:
            return ',';
    }
}
