// Word wrap: unwrapping, then a greedy fill of each paragraph, breaking only at spaces.
#include "tools/WordWrap.h"

#include <vector>

#include "store/TextTrim.h"

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::string UnwrapText(std::string_view text) {
    text = TrimView(text);
    std::string unwrapped;
    unwrapped.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!IsLineBreak(text[pos])) {
            unwrapped += text[pos++];
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && IsLineBreak(text[end])) ++end;
        const std::string_view run = text.substr(pos, end - pos);
        // One line break, typed or made by an earlier wrap, joins its lines; any longer run
        // (LF CR included) separates paragraphs.
        if (run.size() == 1 || run == "\r\n")
            unwrapped += ' ';
        else
            unwrapped += run;
        pos = end;
    }
    return unwrapped;
}

std::string WordWrap(std::string_view original, int width, const TextMeasure& measure) {
    const std::string text = UnwrapText(original);
    const std::size_t size = text.size();
    const std::string_view view(text);
    // The spaces that become line breaks, in ascending order.
    std::vector<std::size_t> breaks;

    std::size_t lineStart = 0;
    while (lineStart < size) {
        const auto fits = [&](std::size_t end) {
            return measure(view.substr(lineStart, end - lineStart)) < width;
        };
        // The last space up to which the line fitted, or npos while none did.
        std::size_t lastFit = std::string_view::npos;
        // The scan for the next break point starts after the line's first character, so a
        // space at the start of a line is never a break point.
        std::size_t candidate = lineStart;
        for (;;) {
            candidate = view.find_first_of(" \r\n", candidate + 1);
            if (candidate == std::string_view::npos) candidate = size;
            if (candidate < size && text[candidate] == ' ') {
                if (fits(candidate)) {
                    lastFit = candidate;
                    continue;
                }
                if (lastFit != std::string_view::npos) {
                    // The word starts the next line, where it is measured again on its own.
                    breaks.push_back(lastFit);
                    lineStart = lastFit + 1;
                    break;
                }
                // The line's first word is too wide by itself: it stands alone, unless a
                // paragraph break follows it anyway.
                if (!IsLineBreak(text[candidate + 1])) {
                    breaks.push_back(candidate);
                    lineStart = candidate + 1;
                    break;
                }
                continue;
            }
            // The end of a paragraph or of the text: a last word that makes the line too wide
            // moves to a line of its own. A space just before the paragraph break has no word
            // after it, and breaking there would only add a blank line.
            if (lastFit != std::string_view::npos && lastFit + 1 < candidate && !fits(candidate))
                breaks.push_back(lastFit);
            lineStart = candidate;
            while (lineStart < size && IsLineBreak(text[lineStart])) ++lineStart;
            break;
        }
    }

    std::string wrapped;
    wrapped.reserve(size + breaks.size());
    std::size_t copied = 0;
    for (std::size_t space : breaks) {
        wrapped.append(text, copied, space - copied);
        wrapped += "\r\n";
        copied = space + 1;
    }
    wrapped.append(text, copied, std::string::npos);
    return wrapped;
}
