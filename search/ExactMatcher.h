// CExactMatcher: the search term as a case-insensitive substring, in which each space of the
// term stands for the whole run of white space found at its place (possibly none).
#pragma once

#include <string_view>

#include "search/TextMatcher.h"

class CExactMatcher : public CTextMatcher {
public:
    // `emptyMatches`: the result when both the text and the term are empty.
    explicit CExactMatcher(bool emptyMatches) : m_bEmptyMatches(emptyMatches) {}

    bool Match(std::string_view text, std::string_view pattern) override;

private:
    bool m_bEmptyMatches;
};
