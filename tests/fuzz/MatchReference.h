// Plain reference matchers for the matcher fuzz target: the rules of CExactMatcher and
// CTypoMatcher written as directly as they read, trying every start position in order, with none
// of the matchers' filters or shared helpers.
#pragma once

#include <cstddef>
#include <string_view>

namespace reference {

// Only a to z have another case; space, tab, CR and LF are white space.
inline int Fold(char c) {
    const int u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? u - ('a' - 'A') : u;
}
inline bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Each term character needs a text character at its place; a space there takes the whole run of
// white space (possibly none), any other character must equal it without regard to case.
inline bool ExactAt(std::string_view text, std::string_view term, std::size_t t) {
    for (const char c : term) {
        if (t == text.size()) return false;
        if (c == ' ') {
            while (t < text.size() && IsBlank(text[t])) ++t;
        } else if (Fold(c) != Fold(text[t++])) {
            return false;
        }
    }
    return true;
}

inline bool Exact(std::string_view text, std::string_view term, bool emptyMatches) {
    if (text.empty() || term.empty()) return text.empty() && term.empty() && emptyMatches;
    for (std::size_t start = 0; start < text.size(); ++start)
        if (ExactAt(text, term, start)) return true;
    return false;
}

// One walk of the typo matcher from `start`; `typos` counts the typos it took. `skipBeforeSpace`
// allows taking the character before the text's white space as a typo.
inline bool TypoWalk(std::string_view text, std::string_view term, std::size_t start,
                     std::size_t separation, bool skipBeforeSpace, int& typos) {
    constexpr int end = -1;  // past the end of the text or the term
    const auto T = [&](std::size_t i) { return i < text.size() ? Fold(text[i]) : end; };
    const auto P = [&](std::size_t i) { return i < term.size() ? Fold(term[i]) : end; };
    // A text character agrees with a term character when they are equal, when the term has
    // ended, or when both are white space, the text's end counting as white space.
    const auto agree = [&](int x, int y) {
        return x == y || y == end || (IsBlank(y) && (x == end || IsBlank(x)));
    };
    // Exact characters since the last typo: a typo needs `separation` of them, except at the
    // start of an attempt and after a space of the term.
    std::size_t exact = 9;
    std::size_t p = 0;
    std::size_t t = start;
    typos = 0;
    const auto typo = [&](std::size_t termStep, std::size_t textStep, std::size_t exactAfter) {
        ++typos;
        p += termStep;
        t += textStep;
        exact = exactAfter;
    };
    while (p < term.size() && t < text.size()) {
        if (term[p] == ' ') {
            // A character typed just before the white space is skipped with it; no white space
            // at all is a missing space, a typo whatever the separation.
            if (skipBeforeSpace && exact >= separation && !IsBlank(T(t)) && IsBlank(T(t + 1))) {
                ++typos;
                ++t;
            }
            const std::size_t before = t;
            while (IsBlank(T(t))) ++t;
            if (t == before) ++typos;
            exact = 9;
            ++p;
        } else if (P(p) == T(t)) {
            ++exact;
            ++p;
            ++t;
        } else if (term.size() < 2 || exact < separation) {
            break;
        } else if (T(t) == P(p + 1) && T(t + 1) == P(p) && agree(T(t + 2), P(p + 2))) {
            typo(2, 2, 0);  // two characters swapped
        } else if (T(t + 1) == P(p) && agree(T(t + 2), P(p + 1))) {
            typo(1, 2, 1);  // an extra character in the text
        } else if (T(t) == P(p + 1) && agree(T(t + 1), P(p + 2))) {
            typo(2, 1, 1);  // a character missing from the text
        } else if (agree(T(t + 1), P(p + 1))) {
            typo(1, 1, 0);  // a wrong character
        } else {
            break;
        }
    }
    if (p == term.size()) return true;
    // The term's last character missing at the end of a word or of the text.
    if (term.size() >= 2 && exact >= separation && p + 1 == term.size() &&
        (t == text.size() || IsBlank(T(t)))) {
        ++typos;
        return true;
    }
    return false;
}

// An attempt walks with the skip before white space, and when that fails, without it.
inline bool TypoAt(std::string_view text, std::string_view term, std::size_t start,
                   std::size_t separation, int& typos) {
    return TypoWalk(text, term, start, separation, true, typos) ||
           TypoWalk(text, term, start, separation, false, typos);
}

// The first start where an attempt succeeds decides, with its typos; separations outside 1 to 9
// count as 2.
inline bool Typo(std::string_view text, std::string_view term, int separation, bool emptyMatches,
                 int& typos) {
    typos = 0;
    if (text.empty() || term.empty()) return text.empty() && term.empty() && emptyMatches;
    const std::size_t kept = separation >= 1 && separation <= 9 ? separation : 2;
    for (std::size_t start = 0; start < text.size(); ++start)
        if (TypoAt(text, term, start, kept, typos)) return true;
    return false;
}

}  // namespace reference
