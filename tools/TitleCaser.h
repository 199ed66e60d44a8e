// CTitleCaser: rewrites titles so that each word starts with a capital letter, except for the
// words of an exception set, which take the spelling stored in the set. The first word, the last
// word and the first word after a colon are always capitalised.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CTitleCaser {
public:
    // Constructors
    // With the default exceptions.
    CTitleCaser();
    // With the exceptions of the settings; nullopt means the default exceptions.
    explicit CTitleCaser(const std::optional<std::vector<std::string>>& exceptions);

    // Attributes
    // The exceptions in the order they were added, for saving.
    const std::vector<std::string>& GetExceptions() const { return m_exceptions; }
    static std::vector<std::string> GetDefaultExceptions();
    // The stored spelling of the exception that equals `word` without regard to case, or null.
    const std::string* FindException(std::string_view word) const;

    // Operations
    // Replaces the whole set. Entries that differ only in case collapse into the first; empty
    // entries are skipped.
    void SetExceptions(const std::vector<std::string>& exceptions);
    // The title with white space trimmed from both ends and its words capitalised.
    std::string Convert(std::string text) const;

private:
    void CapitaliseWord(std::string& text, std::size_t begin, std::size_t end, bool allCaps) const;

    std::vector<std::string> m_exceptions;
    // Case-folded spelling -> index into m_exceptions.
    std::unordered_map<std::string, std::size_t> m_keys;
};
