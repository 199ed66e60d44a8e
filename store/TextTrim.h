// Trimming of text typed by the user or read from the profile: white space (space, tab, CR, LF,
// vertical tab, form feed) is removed at both ends. Text read from the data file is never trimmed.
#pragma once

#include <string>
#include <string_view>

// True for the six characters that trimming removes.
bool IsTrimmedSpace(char ch);
// The part of `text` without white space at either end; a view into `text`.
std::string_view TrimView(std::string_view text);
// A copy of `text` without white space at either end.
std::string TrimText(std::string_view text);
