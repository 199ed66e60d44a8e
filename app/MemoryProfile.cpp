// CMemoryProfile: the profile in a map of section and key to an integer or a text.
#include "app/MemoryProfile.h"

int CMemoryProfile::GetInt(const std::string& section, const std::string& key,
                           int defaultValue) const {
    Note(section, key);
    const Value* value = Find(section, key);
    const int* number = value ? std::get_if<int>(value) : nullptr;
    return number ? *number : defaultValue;
}

std::string CMemoryProfile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const {
    Note(section, key);
    const Value* value = Find(section, key);
    const std::string* text = value ? std::get_if<std::string>(value) : nullptr;
    return text ? *text : defaultValue;
}

void CMemoryProfile::WriteInt(const std::string& section, const std::string& key, int value) {
    Note(section, key);
    PutInt(section, key, value);
}

void CMemoryProfile::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    Note(section, key);
    if (value.empty())
        Remove(section, key);
    else
        PutString(section, key, value);
}

bool CMemoryProfile::Has(const std::string& section, const std::string& key) const {
    return Find(section, key) != nullptr;
}

std::optional<int> CMemoryProfile::RawInt(const std::string& section,
                                          const std::string& key) const {
    const Value* value = Find(section, key);
    if (const int* number = value ? std::get_if<int>(value) : nullptr) return *number;
    return std::nullopt;
}

std::optional<std::string> CMemoryProfile::RawString(const std::string& section,
                                                     const std::string& key) const {
    const Value* value = Find(section, key);
    if (const std::string* text = value ? std::get_if<std::string>(value) : nullptr) return *text;
    return std::nullopt;
}

void CMemoryProfile::PutInt(const std::string& section, const std::string& key, int value) {
    m_values[Key(section, key)] = value;
}

void CMemoryProfile::PutString(const std::string& section, const std::string& key,
                               const std::string& value) {
    m_values[Key(section, key)] = value;
}

void CMemoryProfile::Remove(const std::string& section, const std::string& key) {
    m_values.erase(Key(section, key));
}

const CMemoryProfile::Value* CMemoryProfile::Find(const std::string& section,
                                                  const std::string& key) const {
    const auto found = m_values.find(Key(section, key));
    return found == m_values.end() ? nullptr : &found->second;
}

void CMemoryProfile::Note(const std::string& section, const std::string& key) const {
    m_accesses.push_back(section + "/" + key);
}
