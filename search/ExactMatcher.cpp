// CExactMatcher: one forward walk per start position; the starts where the text does not hold
// the term's first characters are ruled out a word at a time.
#include "search/ExactMatcher.h"

#include "search/MatchChars.h"
#include "search/StartFilter.h"

namespace {

// One attempt at `start`: a space of the term skips every white-space character there, any
// other character must equal the text's without regard to case. The attempt ends when the text
// does, so a space needs a text character at its place.
bool MatchAt(std::string_view text, std::string_view pattern, std::size_t start) {
    std::size_t p = 0;
    std::size_t t = start;
    while (p < pattern.size() && t < text.size()) {
        if (pattern[p] == ' ') {
            while (t < text.size() && match::IsBlank(text[t])) ++t;
        } else if (match::EqualNoCase(pattern[p], text[t])) {
            ++t;
        } else {
            return false;
        }
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool CExactMatcher::Match(std::string_view text, std::string_view pattern) {
    if (text.empty()) return pattern.empty() && m_bEmptyMatches;
    if (pattern.empty()) return false;

    const auto tryAt = [&](std::size_t start) { return MatchAt(text, pattern, start); };
    // The term's characters before its first space stand at fixed places from the start of a
    // match; up to three of them rule out the starts a block at a time. A leading space matches
    // an empty run too, so then every start is tried.
    std::size_t fixed = 0;
    while (fixed < 3 && fixed < pattern.size() && pattern[fixed] != ' ') ++fixed;
    using match::CByteKey;
    switch (fixed) {
        case 0:
            for (std::size_t start = 0; start < text.size(); ++start)
                if (tryAt(start)) return true;
            return false;
        case 1: {
            const CByteKey k0(pattern[0]);
            return match::ForEachStart(
                text, 0, [&](const char* p) { return k0.In(p); }, tryAt);
        }
        case 2: {
            const CByteKey k0(pattern[0]), k1(pattern[1]);
            return match::ForEachStart(
                text, 1, [&](const char* p) { return k0.In(p) & k1.In(p + 1); }, tryAt);
        }
        default: {
            const CByteKey k0(pattern[0]), k1(pattern[1]), k2(pattern[2]);
            return match::ForEachStart(
                text, 2, [&](const char* p) { return k0.In(p) & k1.In(p + 1) & k2.In(p + 2); },
                tryAt);
        }
    }
}
