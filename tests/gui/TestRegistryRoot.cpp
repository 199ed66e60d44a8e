// CTestRegistryRoot: a private key per test, and raw reads and writes of its values.
#include "tests/gui/TestRegistryRoot.h"

#include <cstring>
#include <vector>

namespace {

const char kTestBase[] = "Software\\VeltrimLinksTest";

// Deletes a key and every key below it; true when it is gone.
bool DeleteKeyTree(HKEY parent, const std::string& subKey) {
    HKEY hKey = nullptr;
    const LONG opened = ::RegOpenKeyExA(parent, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &hKey);
    if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND;
    char name[256];
    DWORD length = sizeof name;
    // Always child 0: each one is gone before the next is asked for.
    while (::RegEnumKeyExA(hKey, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           DeleteKeyTree(hKey, name))
        length = sizeof name;
    ::RegCloseKey(hKey);
    return ::RegDeleteKeyA(parent, subKey.c_str()) == ERROR_SUCCESS;
}

}  // namespace

DWORD CRawValue::Dword() const {
    DWORD value = 0xDEADBEEF;
    if (bytes.size() == sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

CTestRegistryRoot::CTestRegistryRoot() {
    static int serial = 0;
    m_strPath = std::string(kTestBase) + "\\" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
    DeleteKeyTree(HKEY_CURRENT_USER, m_strPath);
}

CTestRegistryRoot::~CTestRegistryRoot() {
    DeleteKeyTree(HKEY_CURRENT_USER, m_strPath);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestBase);  // fails while other tests' roots are in it
}

CRawValue CTestRegistryRoot::Query(const std::string& section, const std::string& key) const {
    CRawValue value;
    HKEY hKey = nullptr;
    value.status = ::RegOpenKeyExA(HKEY_CURRENT_USER, (m_strPath + "\\" + section).c_str(), 0,
                                   KEY_QUERY_VALUE, &hKey);
    if (value.status != ERROR_SUCCESS) return value;
    DWORD size = 0;
    value.status = ::RegQueryValueExA(hKey, key.c_str(), nullptr, &value.type, nullptr, &size);
    std::vector<char> data(size + 1, '\0');
    if (value.Exists())
        value.status = ::RegQueryValueExA(hKey, key.c_str(), nullptr, &value.type,
                                          reinterpret_cast<BYTE*>(data.data()), &size);
    value.bytes.assign(data.data(), value.Exists() ? size : 0);
    ::RegCloseKey(hKey);
    return value;
}

bool CTestRegistryRoot::Set(const std::string& section, const std::string& key, DWORD type,
                            const std::string& bytes) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, (m_strPath + "\\" + section).c_str(), 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status =
        ::RegSetValueExA(hKey, key.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(hKey);
    return status == ERROR_SUCCESS;
}
