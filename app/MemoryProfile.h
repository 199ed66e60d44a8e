// CMemoryProfile: a profile held in memory, for tests and for platforms without a registry. Like
// the registry, a value stored with the other type reads as the default.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/Profile.h"

class CMemoryProfile : public CProfile {
public:
    // CProfile
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    // Raw access for tests: values as stored, whatever their type; an empty text is stored too.
    bool Has(const std::string& section, const std::string& key) const;
    std::optional<int> RawInt(const std::string& section, const std::string& key) const;
    std::optional<std::string> RawString(const std::string& section, const std::string& key) const;
    void PutInt(const std::string& section, const std::string& key, int value);
    void PutString(const std::string& section, const std::string& key, const std::string& value);
    void Remove(const std::string& section, const std::string& key);

    // Every read and write through CProfile, as "section/key", in call order.
    const std::vector<std::string>& Accesses() const { return m_accesses; }
    void ClearAccesses() { m_accesses.clear(); }

private:
    using Key = std::pair<std::string, std::string>;
    using Value = std::variant<int, std::string>;

    const Value* Find(const std::string& section, const std::string& key) const;
    void Note(const std::string& section, const std::string& key) const;

    std::map<Key, Value> m_values;
    mutable std::vector<std::string> m_accesses;
};
