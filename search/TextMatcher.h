// CTextMatcher: decides whether a field text contains what the user typed in the Search box;
// the incremental search holds one matcher for a whole run and asks it about every field.
#pragma once

#include <string_view>

class CTextMatcher {
public:
    virtual ~CTextMatcher() = default;

    // True when `text` contains `pattern` under the matcher's rules. Both are plain views: they
    // need no terminating zero and are never read past their ends, and every byte in them, a zero
    // byte too, is an ordinary character. Allocates nothing.
    virtual bool Match(std::string_view text, std::string_view pattern) = 0;
    // The number of typos the last successful Match used.
    virtual int GetTypoCount() const { return 0; }

protected:
    CTextMatcher() = default;
    CTextMatcher(const CTextMatcher&) = default;
    CTextMatcher& operator=(const CTextMatcher&) = default;
};
