// File-name matching: the segment finders and the walk over the segments of a pattern.
#include "search/Wildcards.h"

#include <climits>
#include <cstddef>

#include "search/MatchChars.h"

namespace {

// Offsets are ints; longer views cannot come from a file name and are refused.
constexpr std::size_t kMaxView = INT_MAX / 4;

bool ArgumentsOk(std::string_view pattern, std::string_view text, int length) {
    return length > 0 && static_cast<std::size_t>(length) <= pattern.size() &&
           pattern.size() <= kMaxView && text.size() <= kMaxView;
}

bool EqualAt(std::string_view pattern, std::size_t a, std::string_view text, std::size_t b) {
    return a < pattern.size() && b < text.size() && match::EqualNoCase(pattern[a], text[b]);
}

// The pattern's end or a '*' at `a`: what the end of the name may meet.
bool PatternBoundary(std::string_view pattern, std::size_t a) {
    return a >= pattern.size() || pattern[a] == '*';
}

// Whether one pattern character may stand for the text character at `b`; a '*' settles the
// look-ahead as soon as it is reached.
enum class EPairs { differ, agree, settled };
EPairs ComparePair(std::string_view pattern, std::size_t a, std::string_view text, std::size_t b) {
    if (b >= text.size()) return PatternBoundary(pattern, a) ? EPairs::settled : EPairs::differ;
    if (a >= pattern.size()) return EPairs::differ;
    if (pattern[a] == '*') return EPairs::settled;
    return pattern[a] == '?' || match::EqualNoCase(pattern[a], text[b]) ? EPairs::agree
                                                                        : EPairs::differ;
}

// The look-ahead that confirms a typo: the two pattern characters from `a` fit the two text
// characters from `b`.
bool NextTwoAgree(std::string_view pattern, std::size_t a, std::string_view text, std::size_t b) {
    const EPairs first = ComparePair(pattern, a, text, b);
    if (first != EPairs::agree) return first == EPairs::settled;
    return ComparePair(pattern, a + 1, text, b + 1) != EPairs::differ;
}

// FindSegmentExact without the argument checks; true with the offset when found.
bool LocateExact(std::string_view pattern, std::string_view text, std::size_t length, bool floating,
                 long long& result) {
    for (std::size_t offset = 0;; ++offset) {
        std::size_t i = 0;
        while (i < length && offset + i < text.size() &&
               (pattern[i] == '?' || match::EqualNoCase(pattern[i], text[offset + i])))
            ++i;
        if (i == length) {
            result = static_cast<long long>(offset);
            return true;
        }
        if (!floating || offset + 1 >= text.size() || text.size() - (offset + 1) < length)
            return false;
    }
}

// FindSegmentTypo without the argument checks. `adjust` is the text consumed minus the pattern
// consumed, so that the name always continues at result + length.
bool LocateTypo(std::string_view pattern, std::string_view text, std::size_t length, bool floating,
                long long& result) {
    for (std::size_t offset = 0;; ++offset) {
        std::size_t i = 0;  // pattern characters of the segment consumed
        std::size_t t = offset;
        long long adjust = 0;
        while (i < length && i < pattern.size() && t < text.size()) {
            const char pc = pattern[i];
            const char tc = text[t];
            if (pc == '?' || match::EqualNoCase(pc, tc)) {
                i += 1;
                t += 1;
            } else if (NextTwoAgree(pattern, i + 1, text, t + 1)) {  // a wrong character
                i += 1;
                t += 1;
            } else if (EqualAt(pattern, i, text, t + 1) && EqualAt(pattern, i + 1, text, t) &&
                       NextTwoAgree(pattern, i + 2, text, t + 2)) {  // two characters swapped
                i += 2;
                t += 2;
            } else if (EqualAt(pattern, i, text, t + 1) &&
                       NextTwoAgree(pattern, i, text, t + 1)) {  // an extra character
                i += 1;
                t += 2;
                ++adjust;
            } else if (EqualAt(pattern, i + 1, text, t) &&
                       NextTwoAgree(pattern, i + 1, text, t)) {  // a missing character
                i += 2;
                t += 1;
                --adjust;
            } else {
                break;
            }
        }
        if (i == length) {
            // One extra character at the very end of the name is absorbed.
            if (length == pattern.size() && text.size() - t == 1) ++adjust;
            result = static_cast<long long>(offset) + adjust;
            return true;
        }
        if (i + 1 == length && t >= text.size()) {  // the segment's last character is missing
            result = static_cast<long long>(offset) + adjust - 1;
            return true;
        }
        if (!floating || offset + 1 >= text.size()) return false;
    }
}

bool LocateSegment(std::string_view pattern, std::string_view text, std::size_t length,
                   bool floating, bool allowTypos, long long& result) {
    return allowTypos ? LocateTypo(pattern, text, length, floating, result)
                      : LocateExact(pattern, text, length, floating, result);
}

std::size_t SkipStars(std::string_view pattern, std::size_t p) {
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p;
}

}  // namespace

int FindSegmentExact(std::string_view pattern, std::string_view text, int length, bool floating) {
    long long result = 0;
    if (!ArgumentsOk(pattern, text, length) ||
        !LocateExact(pattern, text, static_cast<std::size_t>(length), floating, result))
        return kNoSegment;
    return static_cast<int>(result);
}

int FindSegmentTypo(std::string_view pattern, std::string_view text, int length, bool floating) {
    long long result = 0;
    if (!ArgumentsOk(pattern, text, length) ||
        !LocateTypo(pattern, text, static_cast<std::size_t>(length), floating, result))
        return kNoSegment;
    return static_cast<int>(result);
}

bool MatchWildcards(std::string_view pattern, std::string_view name, bool allowTypos) {
    std::size_t p = 0;
    std::size_t n = 0;
    if (!pattern.empty()) {
        bool floating = pattern[0] == '*';
        while (n < name.size()) {
            p = SkipStars(pattern, p);
            if (p == pattern.size()) return true;  // a trailing '*' takes the rest of the name
            std::size_t end = pattern.find('*', p);
            if (end == std::string_view::npos) end = pattern.size();
            const std::size_t length = end - p;
            // The result is kept apart from "not found" rather than compared with kNoSegment,
            // which a long enough segment with many typos could produce as a real offset.
            long long offset = 0;
            if (!LocateSegment(pattern.substr(p), name.substr(n), length, floating, allowTypos,
                               offset))
                return false;
            p = end;
            n = static_cast<std::size_t>(static_cast<long long>(n) + offset +
                                         static_cast<long long>(length));
            floating = true;
            if (p == pattern.size()) break;
        }
    }
    p = SkipStars(pattern, p);
    return p == pattern.size() && n == name.size();
}

bool SplitFileName(std::string& string, std::string& name, std::string& extension) {
    const std::size_t kept = string.find_last_not_of('.');
    string.erase(kept == std::string::npos ? 0 : kept + 1);
    const std::size_t dot = string.rfind('.');
    if (dot == std::string::npos) {
        name = string;
        extension.clear();
        return false;
    }
    name = string.substr(0, dot);
    extension = string.substr(dot + 1);
    return true;
}
