// Word wrap of description texts: single line breaks are joined into spaces, then spaces are
// replaced by CR LF so that each line is narrower than the available width. Breaks are made only
// at spaces, so a word wider than the width (a web link) stands whole on a line of its own; blank
// lines between paragraphs survive, and wrapping a wrapped text again at the same width changes
// nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The width of a piece of text, in the units of the available width (pixels on screen).
using TextMeasure = std::function<int(std::string_view)>;

// The text trimmed at both ends with each single line break (CR LF, a lone CR or a lone LF)
// replaced by one space; longer runs of line breaks stay as they are.
std::string UnwrapText(std::string_view text);

// The text unwrapped and then wrapped greedily: a line fits when its measure is less than
// `width`.
std::string WordWrap(std::string_view text, int width, const TextMeasure& measure);
