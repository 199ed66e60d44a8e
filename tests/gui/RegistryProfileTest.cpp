// The settings in the registry, under a key of the test's own: values of the wrong type or size,
// written with the registry functions themselves, must read as defaults.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "app/RegistryProfile.h"
#include "app/SettingsStore.h"

namespace {

class Registry : public ::testing::Test {
protected:
    ~Registry() override {
        HKEY root = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_ALL_ACCESS, &root) ==
            ERROR_SUCCESS) {
            char name[256];
            for (DWORD size = sizeof name; ::RegEnumKeyExA(root, 0, name, &size, nullptr, nullptr,
                                                           nullptr, nullptr) == ERROR_SUCCESS;
                 size = sizeof name)
                ::RegDeleteKeyA(root, name);
            ::RegCloseKey(root);
        }
        ::RegDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VeltrimLinksTest");
    }
    bool Set(const std::string& section, const std::string& key, DWORD type,
             const std::string& bytes) {
        HKEY hKey = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\" + section).c_str(), 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &hKey, nullptr);
        const LONG status = ::RegSetValueExA(hKey, key.c_str(), 0, type,
                                             reinterpret_cast<const BYTE*>(bytes.data()),
                                             static_cast<DWORD>(bytes.size()));
        ::RegCloseKey(hKey);
        return status == ERROR_SUCCESS;
    }
    const std::string m_path =
        "Software\\VeltrimLinksTest\\" + std::to_string(::GetCurrentProcessId());
    CRegistryProfile m_profile{m_path};
};

}  // namespace

TEST_F(Registry, ValuesOfAnotherTypeOrSizeReadAsDefaults) {
    const std::string seven("\7\0\0\0", 4), longest(CRegistryProfile::kMaxTextBytes, 'y');
    EXPECT_EQ("Software\\Corvane Software\\VeltrimLinks", CRegistryProfile().GetBase());
    // Save Limit is read as an integer, Data File as a text.
    const std::tuple<const char*, DWORD, std::string> cases[] = {
        {"Save Limit", REG_SZ, std::string("7", 2)},
        {"Save Limit", REG_BINARY, seven},
        {"Save Limit", REG_DWORD, seven.substr(0, 2)},
        {"Save Limit", REG_DWORD, seven + seven},
        {"Data File", REG_EXPAND_SZ, std::string("%TEMP%\\a", 9)},
        {"Data File", REG_MULTI_SZ, std::string("a\0b\0", 5)},
        {"Data File", REG_SZ, longest + "y" + '\0'}};  // one byte over the limit
    for (const auto& [key, type, bytes] : cases) {
        SCOPED_TRACE(testing::Message() << key << " of type " << type << ", size " << bytes.size());
        ASSERT_TRUE(Set("Saving", key, type, bytes));
        EXPECT_EQ(5, m_profile.GetInt("Saving", "Save Limit", 5));
        EXPECT_EQ("dflt", m_profile.GetString("Saving", "Data File", "dflt"));
    }
    // Up to the limit, without a terminator and up to an early terminator a text is read.
    const std::pair<std::string, std::string> texts[] = {{longest + '\0', longest},
                                                         {"C:\\a.dat", "C:\\a.dat"},
                                                         {std::string("C:\\a\0junk", 9), "C:\\a"}};
    for (const auto& [stored, read] : texts) {
        ASSERT_TRUE(Set("Saving", "Data File", REG_SZ, stored));
        EXPECT_EQ(read, m_profile.GetString("Saving", "Data File", "dflt"));
    }
}

TEST_F(Registry, CorruptedValuesLoadCleanly) {
    CSettings settings;
    settings.m_listDataFiles = {"a", "b", "c"};
    settings.m_titleCaseExceptions = std::vector<std::string>{"x", "y"};
    SaveSettings(m_profile, settings);
    const char* const keys[][2] = {
        {"Saving", "Filename Count"},  {"Saving", "Filename01"},           {"Saving", "Data File"},
        {"Saving", "Save Limit"},      {"Numbers", "Thousands Separator"}, {"Title Case", "Count"},
        {"Title Case", "Exception00"}, {"Misc", "Day Tip Index"}};
    const DWORD types[] = {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ};
    std::mt19937 random(4711);
    for (int round = 0; round < 2000; ++round) {
        const auto& key = keys[random() % 8];
        std::string bytes(random() % 10, '\0');
        for (char& b : bytes) b = static_cast<char>(random() % 256);
        const DWORD type = types[random() % 6];
        // A well-formed huge count only costs time: its limit is tested natively.
        if (type == REG_DWORD && bytes.size() == 4) bytes += 'x';
        Set(key[0], key[1], type, bytes);
        if (round % 10 == 0) {
            CSettings loaded;
            LoadSettings(m_profile, loaded);
            for (const std::string& entry : loaded.m_listDataFiles) EXPECT_NE("", entry);
        }
    }
}
