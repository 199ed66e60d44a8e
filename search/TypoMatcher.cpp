// CTypoMatcher: one forward walk per start position with a two-character look-ahead; the starts
// where no attempt can get past the term's first characters are ruled out a block at a time.
#include "search/TypoMatcher.h"

#include <cstddef>

#include "search/MatchChars.h"
#include "search/StartFilter.h"

namespace {

// What a position past the end of the text or the term reads as. It equals no byte, so a zero
// byte inside a view stays an ordinary character.
constexpr int kEnd = -1;

int At(std::string_view s, std::size_t i) {
    return i < s.size() ? match::Upper(s[i]) : kEnd;
}

bool IsBlankOrEnd(int c) {
    return c == kEnd || match::IsBlank(static_cast<char>(c));
}

// Text character `x` agrees with term character `y` when they are equal, when the term has ended,
// or when both are white space (the text's end counting as white space).
bool Agree(int x, int y) {
    return x == y || y == kEnd || (match::IsBlank(static_cast<char>(y)) && IsBlankOrEnd(x));
}

// "Run" starts at this value at the start of an attempt and after a space, so that a typo is
// always accepted there whatever the separation.
constexpr std::size_t kRunAfterBreak = 9;

}  // namespace

bool CTypoMatcher::MatchAt(std::string_view text, std::string_view pattern, std::size_t start,
                           int& typos) const {
    // Skipping the character before the white space is a guess that can use up the character
    // the term goes on with ("tom s" in "toms diner"). When the walk failed after such a guess,
    // it is made again without any, so that every text in which the exact matcher finds the term
    // (a space of the term taking no white space at all) is found here too.
    bool skipped = false;
    return Walk(text, pattern, start, true, typos, skipped) ||
           (skipped && Walk(text, pattern, start, false, typos, skipped));
}

bool CTypoMatcher::Walk(std::string_view text, std::string_view pattern, std::size_t start,
                        bool skipBeforeSpace, int& typos, bool& skipped) const {
    const auto separation = static_cast<std::size_t>(m_nSeparation);
    // Typos other than a missing space need a term of two characters or more.
    const bool multi = pattern.size() >= 2;
    std::size_t run = kRunAfterBreak;  // exact matches since the last typo
    std::size_t p = 0;
    std::size_t t = start;
    typos = 0;
    while (p < pattern.size() && t < text.size()) {
        const int P = match::Upper(pattern[p]);
        const int T = match::Upper(text[t]);
        if (P == ' ') {
            // A character typed just before a space: skip it with the white space.
            if (skipBeforeSpace && run >= separation && !match::IsBlank(text[t]) &&
                t + 1 < text.size() && match::IsBlank(text[t + 1])) {
                skipped = true;
                ++typos;
                ++t;
            }
            const std::size_t before = t;
            while (t < text.size() && match::IsBlank(text[t])) ++t;
            if (t == before) ++typos;  // a missing space, whatever the separation
            run = kRunAfterBreak;
            ++p;
            continue;
        }
        if (P == T) {
            ++run;
            ++p;
            ++t;
            continue;
        }
        if (!multi || run < separation) break;
        const int T1 = At(text, t + 1);
        const int T2 = At(text, t + 2);
        const int P1 = At(pattern, p + 1);
        const int P2 = At(pattern, p + 2);
        if (T == P1 && T1 == P && Agree(T2, P2)) {  // two characters swapped
            p += 2;
            t += 2;
            run = 0;
        } else if (T1 == P && Agree(T2, P1)) {  // an extra character in the text
            p += 1;
            t += 2;
            run = 1;
        } else if (T == P1 && Agree(T1, P2)) {  // a character missing from the text
            p += 2;
            t += 1;
            run = 1;
        } else if (Agree(T1, P1)) {  // a wrong character
            p += 1;
            t += 1;
            run = 0;
        } else {
            break;
        }
        ++typos;
    }
    if (p == pattern.size()) return true;
    // The term's last character is missing at the end of a word or of the text.
    if (multi && run >= separation && pattern.size() - p == 1 &&
        (t == text.size() || match::IsBlank(text[t]))) {
        ++typos;
        return true;
    }
    return false;
}

bool CTypoMatcher::Match(std::string_view text, std::string_view pattern) {
    if (text.empty() || pattern.empty()) {
        if (!text.empty() || !pattern.empty() || !m_bEmptyMatches) return false;
        m_nTypos = 0;
        return true;
    }
    int typos = 0;
    const auto tryAt = [&](std::size_t start) { return MatchAt(text, pattern, start, typos); };
    if (!MatchFirstStart(text, pattern, tryAt)) return false;
    m_nTypos = typos;
    return true;
}

template <typename TryAt>
bool CTypoMatcher::MatchFirstStart(std::string_view text, std::string_view pattern,
                                   TryAt tryAt) const {
    using match::CByteKey;
    const std::size_t size = pattern.size();
    // A leading space, or white space second, gives no character that must stand near the start.
    if (pattern[0] == ' ' || (size >= 2 && match::IsBlank(pattern[1]))) {
        for (std::size_t start = 0; start < text.size(); ++start)
            if (tryAt(start)) return true;
        return false;
    }
    // A one-character term allows no typo: only its own character starts a match.
    const CByteKey k0(pattern[0]);
    if (size == 1)
        return match::ForEachStart(
            text, 0, [&](const char* p) { return k0.In(p); }, tryAt);

    // An attempt gets past the first term character only if the text at the start or just after
    // it holds the first or the second term character: an exact match needs the first at the
    // start; a swap, an extra or a missing character needs one of them there or next; a wrong
    // character needs the second next.
    const CByteKey k1(pattern[1]);
    if (size == 2 || match::IsBlank(pattern[2]) || m_nSeparation == 1) {
        return match::ForEachStart(
            text, 1,
            [&](const char* p) { return k0.In(p) | k1.In(p) | k0.In(p + 1) | k1.In(p + 1); },
            tryAt);
    }
    // With three characters before any white space and typos at least two characters apart, an
    // attempt that gets past its first steps holds two of the term's first three characters
    // (0, 1, 2) among the text's first three (offsets 0, 1, 2), placed as one of: 0 at 0 with 1
    // or 2 at 1 or 2 (an exact start, then an exact or a mistyped second character); 1 at 0 with
    // 0 or 2 at 1 (a swap, a missing character); 0 at 1 with 1 at 2 (an extra character); 1 at 1
    // with 2 at 2 (a wrong first character, which the separation makes the next two confirm).
    const CByteKey k2(pattern[2]);
    return match::ForEachStart(
        text, 2,
        [&](const char* p) {
            const match::Mask a0 = k0.In(p), a1 = k1.In(p);
            const match::Mask b0 = k0.In(p + 1), b1 = k1.In(p + 1), b2 = k2.In(p + 1);
            const match::Mask c1 = k1.In(p + 2), c2 = k2.In(p + 2);
            return (a0 & (b1 | b2 | c1 | c2)) | (a1 & (b0 | b2)) | (b0 & c1) | (b1 & c2);
        },
        tryAt);
}
