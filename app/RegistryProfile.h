// CRegistryProfile: the profile in the current user's registry, one key per section under a base
// key; integers as REG_DWORD, texts as REG_SZ. A value that is missing, of another type or too
// large to be a setting reads as the default.
#pragma once

#include <windows.h>

#include <string>

#include "app/Profile.h"

class CRegistryProfile : public CProfile {
public:
    // The program's own base key under HKEY_CURRENT_USER.
    static const char* const kDefaultBase;
    // Texts longer than this many bytes (without the terminator) are not settings: they read as
    // the default.
    static const DWORD kMaxTextBytes = 64 * 1024;

    explicit CRegistryProfile(std::string base = kDefaultBase);

    // CProfile
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    const std::string& GetBase() const { return m_strBase; }

private:
    std::string SectionPath(const std::string& section) const;

    std::string m_strBase;
};
