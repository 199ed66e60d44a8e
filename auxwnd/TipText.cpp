// Tip texts: parsing, counting and centring.
#include "auxwnd/TipText.h"

#include <climits>

#include "store/TextTrim.h"

namespace {

std::string_view TrimFront(std::string_view text) {
    while (!text.empty() && IsTrimmedSpace(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimBack(std::string_view text) {
    while (!text.empty() && IsTrimmedSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

CTipText ParseTip(std::string_view raw) {
    const std::size_t bar = raw.find('|');
    if (bar == std::string_view::npos) return {std::string(raw), std::string()};
    return {std::string(TrimBack(raw.substr(0, bar))), std::string(TrimFront(raw.substr(bar + 1)))};
}

std::string TopicOfTip(std::string_view raw) {
    if (raw.find('|') == std::string_view::npos) return "(no topic)";
    return ParseTip(raw).m_strTopic;
}

int ParseTipCount(std::string_view text) {
    text = TrimFront(text);
    long long count = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') break;
        count = count * 10 + (ch - '0');
        if (count > INT_MAX) return 0;
    }
    return static_cast<int>(count);
}

bool FirstLineOfTip(std::string_view text, std::string_view& firstLine) {
    const std::size_t cr = text.find('\r');
    firstLine = text.substr(0, cr);
    return cr != std::string_view::npos;
}

int CentringBlanks(int clientWidth, int lineWidth, int blankWidth) {
    if (blankWidth <= 0 || lineWidth >= clientWidth) return 0;
    return (clientWidth - lineWidth) / (2 * blankWidth);
}
