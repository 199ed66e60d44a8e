// Trimming of white space at both ends of a text.
#include "store/TextTrim.h"

bool IsTrimmedSpace(char ch) {
    // Exactly these six, whatever the locale says: bytes of the ANSI code page above 0x7F (the
    // no-break space among them) are text, not white space.
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string_view TrimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmedSpace(text[begin])) ++begin;
    while (end > begin && IsTrimmedSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string TrimText(std::string_view text) {
    return std::string(TrimView(text));
}
