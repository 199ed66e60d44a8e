// CTitleCaser: title case with an exception set, by the code page's character classes and case.
#include "tools/TitleCaser.h"

#include <algorithm>

#include "store/TextConv.h"
#include "store/TextTrim.h"

namespace {

const char* const kDefaultExceptions[] = {"a",    "an",   "the", "and",  "but",  "for",  "nor",
                                          "or",   "as",   "at",  "by",   "down", "from", "in",
                                          "into", "near", "of",  "off",  "on",   "onto", "out",
                                          "over", "to",   "up",  "upon", "with", "vs",   "via"};

}  // namespace

CTitleCaser::CTitleCaser() : CTitleCaser(std::nullopt) {}

CTitleCaser::CTitleCaser(const std::optional<std::vector<std::string>>& exceptions) {
    SetExceptions(exceptions ? *exceptions : GetDefaultExceptions());
}

std::vector<std::string> CTitleCaser::GetDefaultExceptions() {
    return std::vector<std::string>(std::begin(kDefaultExceptions), std::end(kDefaultExceptions));
}

const std::string* CTitleCaser::FindException(std::string_view word) const {
    if (word.empty()) return nullptr;
    const auto found = m_keys.find(TextConv().FoldCase(word));
    return found == m_keys.end() ? nullptr : &m_exceptions[found->second];
}

void CTitleCaser::SetExceptions(const std::vector<std::string>& exceptions) {
    // Built aside and swapped in, so that running out of memory leaves the old set whole.
    std::vector<std::string> spellings;
    std::unordered_map<std::string, std::size_t> keys;
    for (const std::string& exception : exceptions) {
        if (exception.empty()) continue;
        if (keys.emplace(TextConv().FoldCase(exception), spellings.size()).second)
            spellings.push_back(exception);
    }
    m_exceptions.swap(spellings);
    m_keys.swap(keys);
}

std::string CTitleCaser::Convert(std::string text) const {
    const CTextConv& conv = TextConv();
    text = TrimText(text);
    const bool allCaps =
        std::all_of(text.begin(), text.end(), [&](char c) { return conv.IsUpper(c); });

    std::size_t pos = 0;
    std::size_t lastWord = 0;
    bool colonSeen = false;
    for (;;) {
        // The word is the run of alphanumerics at `pos`; only a text that begins with
        // punctuation has an empty one, at its start.
        std::size_t end = pos;
        while (end < text.size() && conv.IsAlphaNumeric(text[end])) ++end;
        const std::string_view word(text.data() + pos, end - pos);

        if (const std::string* spelling = FindException(word)) {
            text.replace(pos, end - pos, *spelling);
            end = pos + spelling->size();
            if (colonSeen) text[pos] = conv.ToUpper(text[pos]);
        } else if (pos > 0 && text[pos - 1] == '\'' && word.size() == 1 &&
                   conv.ToLower(word[0]) == 's') {
            // The possessive s stays small: "John's".
            text[pos] = 's';
        } else {
            CapitaliseWord(text, pos, end, allCaps);
        }
        lastWord = pos;

        colonSeen = false;
        while (end < text.size() && !conv.IsAlphaNumeric(text[end])) {
            if (text[end] == ':') colonSeen = true;
            ++end;
        }
        if (end == text.size()) break;
        pos = end;
    }
    if (!text.empty()) {
        text[0] = conv.ToUpper(text[0]);
        text[lastWord] = conv.ToUpper(text[lastWord]);
    }
    return text;
}

void CTitleCaser::CapitaliseWord(std::string& text, std::size_t begin, std::size_t end,
                                 bool allCaps) const {
    const CTextConv& conv = TextConv();
    if (begin == end) return;
    // A word with two or more capitals is an acronym or a name (NASA, McDonald) and stays as
    // written, unless the whole title is in capitals.
    if (!allCaps && std::count_if(text.begin() + begin, text.begin() + end,
                                  [&](char c) { return conv.IsUpper(c); }) >= 2)
        return;
    text[begin] = conv.ToUpper(text[begin]);
    for (std::size_t i = begin + 1; i < end; ++i) text[i] = conv.ToLower(text[i]);
}
