// CFileNamePattern: SplitFileName and MatchWildcards over the finder's pattern.
#include "import/FileNamePattern.h"

#include "search/Wildcards.h"
#include "store/TextTrim.h"

CFileNamePattern::CFileNamePattern(std::string_view pattern, bool allowTypos)
    : m_strPattern(TrimText(pattern)), m_bAllowTypos(allowTypos) {
    m_bValidLength = !m_strPattern.empty() && m_strPattern.size() <= maxLength;
    m_bHasExtension = SplitFileName(m_strPattern, m_strName, m_strExtension);
}

bool CFileNamePattern::Matches(std::string_view fileName) {
    m_strFile = fileName;
    if (!m_bHasExtension) return MatchWildcards(m_strPattern, m_strFile, m_bAllowTypos);
    SplitFileName(m_strFile, m_strFileName, m_strFileExtension);
    return MatchWildcards(m_strExtension, m_strFileExtension, m_bAllowTypos) &&
           MatchWildcards(m_strName, m_strFileName, m_bAllowTypos);
}
