// CFileNamePattern: the file finder's pattern. A pattern with an extension ("bookmark.htm*")
// matches a file's name and extension separately, the extension first; one without
// ("bookmark*") matches whole file names, extensions included. Trailing dots are ignored in
// both the pattern and the names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CFileNamePattern {
public:
    static constexpr const char* defaultPattern = "bookmark.htm*";
    // Longest pattern accepted, after trimming.
    static constexpr std::size_t maxLength = 255;

    // Constructors
    // `pattern` as typed; it is trimmed of white space at both ends.
    CFileNamePattern(std::string_view pattern, bool allowTypos);

    // Attributes
    // The trimmed pattern has 1 to 255 characters; the finder refuses any other.
    bool IsValidLength() const { return m_bValidLength; }

    // Operations
    // Not const: the pieces of the name are split into buffers kept for the next name.
    bool Matches(std::string_view fileName);

private:
    std::string m_strPattern;
    std::string m_strName;
    std::string m_strExtension;
    bool m_bHasExtension;
    bool m_bAllowTypos;
    bool m_bValidLength;
    std::string m_strFile;
    std::string m_strFileName;
    std::string m_strFileExtension;
};
