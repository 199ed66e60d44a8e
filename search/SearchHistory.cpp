// CSearchHistory: adding, loading and storing the terms.
#include "search/SearchHistory.h"

#include <algorithm>

#include "store/TextConv.h"
#include "store/TextTrim.h"

namespace {

const char* const kSection = "Searching";

std::string TermKey(int i) {
    return "Term" + std::to_string(i);
}

}  // namespace

bool CSearchHistory::Add(std::string_view term) {
    const std::string_view trimmed = TrimView(term);
    if (trimmed.empty()) return false;
    const CTextConv& conv = TextConv();
    const bool listed = std::any_of(m_terms.begin(), m_terms.end(), [&](const std::string& t) {
        return conv.EqualNoCase(t, trimmed);
    });
    if (listed) return false;
    m_terms.emplace_back(trimmed);
    return true;
}

void CSearchHistory::Load(const CProfile& profile) {
    for (int i = 0; i < kStoredTerms; ++i) {
        std::string term = profile.GetString(kSection, TermKey(i), "");
        if (term.empty()) break;
        m_terms.push_back(std::move(term));
    }
}

void CSearchHistory::Save(CProfile& profile) const {
    const std::size_t count = m_terms.size();
    const std::size_t first = count > kStoredTerms ? count - kStoredTerms : 0;
    for (std::size_t k = 0; first + k < count; ++k)
        profile.WriteString(kSection, TermKey(static_cast<int>(k)), m_terms[first + k]);
}

void CSearchHistory::Erase(CProfile& profile) {
    m_terms.clear();
    for (int i = 0; i < kStoredTerms; ++i) profile.WriteString(kSection, TermKey(i), "");
}
