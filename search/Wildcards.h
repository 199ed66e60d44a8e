// File-name matching with '*' and '?', exact or allowing typos, for the bookmark file finder.
// Stateless; names and patterns are plain views that are never read past their ends.
#pragma once

#include <string>
#include <string_view>

// What the segment finders return for "no match here" and for bad arguments.
constexpr int kNoSegment = -260;

// True when `name` matches `pattern`: segments separated by '*', '?' standing for any one
// character, letters compared without regard to case (ASCII only). Each segment is taken at the
// first place it fits and never moved later, so '*ab' does not match "abab". With `allowTypos`
// each segment may contain typos, each confirmed by a two-character look-ahead.
bool MatchWildcards(std::string_view pattern, std::string_view name, bool allowTypos);

// The steps of MatchWildcards. `pattern` starts at a segment of `length` characters and runs to
// the end of the whole pattern (the look-ahead may see the '*' after the segment); `text` is the
// rest of the name. Only offset 0 is tried unless `floating`. The result is the number of name
// characters before the matched segment: the name continues after the segment at result +
// `length`. It may be negative after typos that left pattern characters out. kNoSegment when the
// segment is not found, when `length` is 0 or less or longer than `pattern`, or when a view is
// too long for an int offset.
int FindSegmentExact(std::string_view pattern, std::string_view text, int length, bool floating);
int FindSegmentTypo(std::string_view pattern, std::string_view text, int length, bool floating);

// Removes every trailing '.' from `string` itself, then splits it at its last '.': `name` gets
// what comes before and `extension` what comes after, and the result is true. Without a '.',
// `name` is the whole string, `extension` is empty and the result is false.
bool SplitFileName(std::string& string, std::string& name, std::string& extension);
