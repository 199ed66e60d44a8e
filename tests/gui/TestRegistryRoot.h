// CTestRegistryRoot: a registry key of its own under HKEY_CURRENT_USER for one test, removed with
// everything below it at the end, and raw access to its values through the registry functions
// themselves rather than the program's profile.
#pragma once

#include <windows.h>

#include <string>

// A value as the registry holds it.
struct CRawValue {
    LONG status = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::string bytes;
    bool Exists() const { return status == ERROR_SUCCESS; }
    // The data as a DWORD; 0xDEADBEEF unless it is exactly four bytes.
    DWORD Dword() const;
    std::string Text() const { return bytes.c_str(); }
};

class CTestRegistryRoot {
public:
    CTestRegistryRoot();
    ~CTestRegistryRoot();
    CTestRegistryRoot(const CTestRegistryRoot&) = delete;
    CTestRegistryRoot& operator=(const CTestRegistryRoot&) = delete;

    // The root, relative to HKEY_CURRENT_USER.
    const std::string& Path() const { return m_strPath; }
    CRawValue Query(const std::string& section, const std::string& key) const;
    // Stores `bytes` as they are with the given type, creating the section's key.
    bool Set(const std::string& section, const std::string& key, DWORD type,
             const std::string& bytes);
    bool SetDword(const std::string& section, const std::string& key, DWORD value) {
        return Set(section, key, REG_DWORD, std::string(reinterpret_cast<char*>(&value), 4));
    }

private:
    std::string m_strPath;
};
