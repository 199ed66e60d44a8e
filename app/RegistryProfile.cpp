// CRegistryProfile: reads and writes of single values under HKEY_CURRENT_USER\<base>\<section>.
#include "app/RegistryProfile.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

// An open registry key, closed when it goes out of scope.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() {
        if (m_hKey) ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    bool Open(const std::string& path, REGSAM access) {
        return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &m_hKey) ==
               ERROR_SUCCESS;
    }
    bool Create(const std::string& path) {
        return ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &m_hKey,
                                 nullptr) == ERROR_SUCCESS;
    }
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

}  // namespace

const char* const CRegistryProfile::kDefaultBase = "Software\\Corvane Software\\VeltrimLinks";

CRegistryProfile::CRegistryProfile(std::string base) : m_strBase(std::move(base)) {}

int CRegistryProfile::GetInt(const std::string& section, const std::string& key,
                             int defaultValue) const {
    CRegKey regKey;
    if (!regKey.Open(SectionPath(section), KEY_QUERY_VALUE)) return defaultValue;
    // Only a REG_DWORD of exactly four bytes is an integer setting. A text of digits is not
    // taken as a number: it was not written by this program, so the default is the safe answer.
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(regKey, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<int>(value);
}

std::string CRegistryProfile::GetString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const {
    CRegKey regKey;
    if (!regKey.Open(SectionPath(section), KEY_QUERY_VALUE)) return defaultValue;
    // The size asked for first may be up to twice the text's (the registry holds the text in
    // UTF-16); only the text actually read is held to the limit.
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExA(regKey, key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ || size / 2 > kMaxTextBytes + 1)
        return defaultValue;
    // The spare zero byte after the `size` bytes read ends a text stored without its
    // terminator. A value that grew since its size was asked for fails with ERROR_MORE_DATA and
    // reads as the default.
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(regKey, key.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return defaultValue;
    const std::size_t length = ::strnlen(buffer.data(), size);
    if (length > kMaxTextBytes) return defaultValue;
    return std::string(buffer.data(), length);
}

void CRegistryProfile::WriteInt(const std::string& section, const std::string& key, int value) {
    CRegKey regKey;
    if (!regKey.Create(SectionPath(section))) return;
    const DWORD data = static_cast<DWORD>(value);
    ::RegSetValueExA(regKey, key.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                     sizeof data);
}

void CRegistryProfile::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    // A text ends at its first NUL, as REG_SZ does.
    const std::size_t length = ::strnlen(value.c_str(), value.size());
    CRegKey regKey;
    if (length == 0) {
        // Deleting needs no section key: none means there is nothing to delete.
        if (regKey.Open(SectionPath(section), KEY_SET_VALUE))
            ::RegDeleteValueA(regKey, key.c_str());
        return;
    }
    if (!regKey.Create(SectionPath(section))) return;
    ::RegSetValueExA(regKey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(length + 1));
}

std::string CRegistryProfile::SectionPath(const std::string& section) const {
    return m_strBase + "\\" + section;
}
