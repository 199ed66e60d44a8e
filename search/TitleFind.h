// Type-ahead in the list of links: the row whose Title starts with (or equals) what the user
// typed, without regard to letter case, searched from a given row on and, when asked, wrapping
// round to the first row.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CLinkList;

// The first row from `start` on (then from row 0 up to `start` when `wrap` is set) whose Title
// begins with `text` (`partial`) or equals it, compared in the code page's letter case; -1 when
// none does or `text` is empty.
long long FindTitle(const CLinkList& list, std::string_view text, std::size_t start, bool partial,
                    bool wrap);

// What the user types into the list for type-ahead: characters typed within a second of each
// other make one prefix. Typing the same character again and again steps through the rows whose
// Title begins with it.
class CTypeAhead {
public:
    static constexpr unsigned long kPauseMs = 1000;

    // The row to go to after `ch` was typed at `nowMs` (a millisecond clock) with `focus` the
    // focused row; -1 when no Title fits.
    long long Type(const CLinkList& list, char ch, unsigned long nowMs, long long focus);
    // True while a character typed at `nowMs` would lengthen the prefix: a space then belongs
    // to the text rather than selecting the focused row.
    bool IsTyping(unsigned long nowMs) const {
        return !m_strTyped.empty() && nowMs - m_nLastMs <= kPauseMs;
    }

private:
    std::string m_strTyped;
    unsigned long m_nLastMs = 0;
};
