// CSearchHistory: the terms typed into the Search box, oldest first, as its drop-down list shows
// them. A term is kept trimmed and only once, whatever its letter case; the ten newest are
// remembered between runs in the profile's "Searching" section as "Term0" to "Term9".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/Profile.h"

class CSearchHistory {
public:
    static constexpr int kStoredTerms = 10;

    // Attributes
    const std::vector<std::string>& Terms() const { return m_terms; }

    // Operations
    // Adds `term` trimmed of white space at both ends, unless that is empty or the history holds
    // it in any letter case. Returns true when it was added (at the end).
    bool Add(std::string_view term);
    // Appends the stored terms in order, up to the first missing one.
    void Load(const CProfile& profile);
    // Writes the ten newest terms, oldest first, as Term0 onwards.
    void Save(CProfile& profile) const;
    // Empties the history in memory only.
    void RemoveAll() { m_terms.clear(); }
    // Empties it and deletes every stored term.
    void Erase(CProfile& profile);

private:
    std::vector<std::string> m_terms;
};
