// CTypoMatcher: the search term allowing for typing errors (swapped, extra, missing and wrong
// characters, missing and extra spaces), each accepted only after enough exactly matching
// characters since the previous one.
#pragma once

#include <cstddef>
#include <string_view>

#include "search/TextMatcher.h"

class CTypoMatcher : public CTextMatcher {
public:
    // `separation`: how many exactly matching characters must lie between two typos, 1 to 9;
    // other values give 2. `emptyMatches`: the result when both the text and the term are empty.
    CTypoMatcher(int separation, bool emptyMatches)
        : m_nSeparation(separation >= 1 && separation <= 9 ? separation : 2),
          m_bEmptyMatches(emptyMatches) {}

    // The first start position in `text` where MatchAt succeeds; GetTypoCount then tells the
    // typos it used.
    bool Match(std::string_view text, std::string_view pattern) override;
    int GetTypoCount() const override { return m_nTypos; }
    int GetSeparation() const { return m_nSeparation; }

    // One attempt: whether `pattern` matches `text` from `start` on (below the text's size), with
    // the typos it took. Match skips the starts where this cannot succeed.
    bool MatchAt(std::string_view text, std::string_view pattern, std::size_t start,
                 int& typos) const;

private:
    // The forward walk of an attempt. With `skipBeforeSpace` a character just before the text's
    // white space where the term has a space is taken as typed by mistake; `skipped` tells
    // whether the walk did that.
    bool Walk(std::string_view text, std::string_view pattern, std::size_t start,
              bool skipBeforeSpace, int& typos, bool& skipped) const;

    template <typename TryAt>
    bool MatchFirstStart(std::string_view text, std::string_view pattern, TryAt tryAt) const;

    int m_nSeparation;
    int m_nTypos = 0;  // typos of the last successful Match
    bool m_bEmptyMatches;
};
