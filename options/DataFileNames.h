// CDataFileNames: the list of known data files as the Saving page keeps it, with the rules for
// the name in its edit field: a name is taken trimmed, is valid with 1 to 259 characters, and is
// listed (once, whatever its letter case) when it is committed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CDataFileNames {
public:
    static constexpr std::size_t kMaxLength = 259;

    // Constructors
    explicit CDataFileNames(std::vector<std::string> names = {}) : m_names(std::move(names)) {}

    // Attributes
    const std::vector<std::string>& Names() const { return m_names; }
    // The index of the listed name equal to `name` in any letter case, or -1.
    int Find(std::string_view name) const;
    static bool IsValid(std::string_view trimmed) {
        return !trimmed.empty() && trimmed.size() <= kMaxLength;
    }

    // Operations
    // The typed text trimmed; a valid name the list lacks is added at its end.
    std::string Commit(std::string_view typed);
    // Removes the typed name (trimmed, not added) when it is listed, and returns the text the
    // field shows next: the first listed name, or `defaultName`, listed, when none is left.
    std::string Remove(std::string_view typed, const std::string& defaultName);

private:
    std::vector<std::string> m_names;
};
