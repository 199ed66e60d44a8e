// CDataFileNames: committing and removing data-file names.
#include "options/DataFileNames.h"

#include "store/TextConv.h"
#include "store/TextTrim.h"

int CDataFileNames::Find(std::string_view name) const {
    const CTextConv& conv = TextConv();
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (conv.EqualNoCase(m_names[i], name)) return static_cast<int>(i);
    return -1;
}

std::string CDataFileNames::Commit(std::string_view typed) {
    std::string name = TrimText(typed);
    if (IsValid(name) && Find(name) < 0) m_names.push_back(name);
    return name;
}

std::string CDataFileNames::Remove(std::string_view typed, const std::string& defaultName) {
    const std::string name = TrimText(typed);
    const int index = IsValid(name) ? Find(name) : -1;
    if (index >= 0) m_names.erase(m_names.begin() + index);
    if (!m_names.empty()) return m_names.front();
    m_names.push_back(defaultName);
    return defaultName;
}
