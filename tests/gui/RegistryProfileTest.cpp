// The settings in the registry: what SaveSettings leaves there, read with the registry functions
// themselves, and values of the wrong type or size, which must read as defaults.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/RegistryProfile.h"
#include "app/SettingsStore.h"
#include "tests/gui/TestRegistryRoot.h"

namespace {

class Registry : public ::testing::Test {
protected:
    CTestRegistryRoot m_root;
    CRegistryProfile m_profile{m_root.Path()};
};

struct CStored {
    const char* what;
    DWORD type;
    std::string bytes;
};

}  // namespace

TEST_F(Registry, SavedSettingsAreDwordsAndStrings) {
    CSettings settings;
    settings.m_nSaveLimit = 17;
    settings.m_strDataFile = "C:\\Links\\mine.dat";
    settings.m_listDataFiles = {"a.dat", "C:\\b c.dat"};
    settings.m_chThousandsSep = '.';
    SaveSettings(m_profile, settings);
    EXPECT_EQ("Software\\Corvane Software\\VeltrimLinks", CRegistryProfile().GetBase());

    for (const auto& [key, value] :
         {std::pair<const char*, DWORD>{"Save Limit", 17}, {"Filename Count", 2}}) {
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), m_root.Query("Saving", key).type) << key;
        EXPECT_EQ(value, m_root.Query("Saving", key).Dword()) << key;
    }
    EXPECT_EQ(0xFFFFFFFFu, m_root.Query("Title Case", "Count").Dword());
    for (const auto& [section, key, text] : {std::tuple<const char*, const char*, const char*>{
                                                 "Saving", "Data File", "C:\\Links\\mine.dat"},
                                             {"Saving", "Filename01", "C:\\b c.dat"},
                                             {"Numbers", "Thousands Separator", "."}}) {
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), m_root.Query(section, key).type) << key;
        EXPECT_EQ(text, m_root.Query(section, key).Text()) << key;
    }

    settings.m_strDataFile.clear();
    SaveSettings(m_profile, settings);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_root.Query("Saving", "Data File").status);
    // Deleting where nothing is stored creates no key.
    m_profile.WriteString("Other", "Data File", "");
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_root.Query("Other", "Data File").status);
}

TEST_F(Registry, IntegersOfAnotherTypeReadAsDefaults) {
    const std::string seven("\7\0\0\0", 4);
    const CStored cases[] = {
        {"digits as REG_SZ", REG_SZ, std::string("7", 2)},
        {"REG_SZ without terminator", REG_SZ, "7"},
        {"REG_BINARY", REG_BINARY, seven},
        {"big-endian DWORD", REG_DWORD_BIG_ENDIAN, seven},
        {"REG_QWORD", REG_QWORD, seven + seven},
        {"REG_DWORD of two bytes", REG_DWORD, seven.substr(0, 2)},
        {"REG_DWORD of eight bytes", REG_DWORD, seven + seven},
    };
    for (const CStored& c : cases) {
        ASSERT_TRUE(m_root.Set("Saving", "Save Limit", c.type, c.bytes)) << c.what;
        EXPECT_EQ(5, m_profile.GetInt("Saving", "Save Limit", 5)) << c.what;
    }
    m_profile.WriteInt("Saving", "Save Limit", -5);
    EXPECT_EQ(-5, m_profile.GetInt("Saving", "Save Limit", 5));
}

TEST_F(Registry, TextsOfAnotherTypeOrTooLongReadAsDefaults) {
    const std::string longest(CRegistryProfile::kMaxTextBytes, 'y');
    const CStored cases[] = {
        {"REG_DWORD", REG_DWORD, "a.da"},
        {"REG_BINARY", REG_BINARY, std::string("a.dat", 6)},
        {"REG_EXPAND_SZ", REG_EXPAND_SZ, std::string("%TEMP%\\a", 9)},
        {"REG_MULTI_SZ", REG_MULTI_SZ, std::string("a\0b\0", 5)},
        {"4 MB of REG_SZ", REG_SZ, std::string(4 << 20, 'x')},
        {"one byte over the limit", REG_SZ, longest + "y"},
    };
    for (const CStored& c : cases) {
        ASSERT_TRUE(m_root.Set("Saving", "Data File", c.type, c.bytes + '\0')) << c.what;
        EXPECT_EQ("dflt", m_profile.GetString("Saving", "Data File", "dflt")) << c.what;
    }
    // Up to the limit, without a terminator and up to an early terminator the text is read.
    ASSERT_TRUE(m_root.Set("Saving", "Data File", REG_SZ, longest + '\0'));
    EXPECT_EQ(longest, m_profile.GetString("Saving", "Data File", "dflt"));
    ASSERT_TRUE(m_root.Set("Saving", "Data File", REG_SZ, "C:\\a.dat"));
    EXPECT_EQ("C:\\a.dat", m_profile.GetString("Saving", "Data File", "dflt"));
    ASSERT_TRUE(m_root.Set("Saving", "Data File", REG_SZ, std::string("C:\\a\0junk", 9)));
    EXPECT_EQ("C:\\a", m_profile.GetString("Saving", "Data File", "dflt"));
}

TEST_F(Registry, CorruptedValuesLoadCleanly) {
    CSettings settings;
    settings.m_strDataFile = "x";
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
        m_root.Set(key[0], key[1], type, bytes);
        if (round % 10 == 0) {
            CSettings loaded;
            LoadSettings(m_profile, loaded);
            for (const std::string& entry : loaded.m_listDataFiles) EXPECT_NE("", entry);
        }
    }
}
