// The settings as kept in the profile: every member round trips, missing values give defaults,
// and stored lists and counts are read within bounds.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/MemoryProfile.h"
#include "app/SettingsStore.h"

namespace {

std::string Join(const std::vector<std::string>& entries) {
    std::string joined;
    for (const std::string& entry : entries) joined += "[" + entry + "]";
    return joined;
}

#define INT_MEMBER(m) \
    { #m, &CSettings::m }
const std::pair<const char*, int CSettings::*> kIntMembers[] = {
    INT_MEMBER(m_bSaveOnPresses),     INT_MEMBER(m_nSaveLimit),
    INT_MEMBER(m_bSaveOnTimer),       INT_MEMBER(m_nTimerIndex),
    INT_MEMBER(m_bSaveOnClose),       INT_MEMBER(m_bSearchTitle),
    INT_MEMBER(m_bSearchDescription), INT_MEMBER(m_bSearchCategory),
    INT_MEMBER(m_bSearchLink),        INT_MEMBER(m_bPositionOnLast),
    INT_MEMBER(m_bAllowTypos),        INT_MEMBER(m_nSeparation),
    INT_MEMBER(m_bInterruptible),     INT_MEMBER(m_bUseThousandsSep),
    INT_MEMBER(m_bMoveToTitle),       INT_MEMBER(m_bMoveToLink),
    INT_MEMBER(m_bCopyLink),          INT_MEMBER(m_bConfirmDelete),
    INT_MEMBER(m_bMoveSave),          INT_MEMBER(m_bRestorePlacement),
    INT_MEMBER(m_bSaveColumnWidths),  INT_MEMBER(m_bShowDayTip),
    INT_MEMBER(m_nDayTipIndex)};

// Every member of CSettings as "name=value", so that a failure names the member.
std::vector<std::string> Show(const CSettings& s) {
    std::vector<std::string> shown;
    for (const auto& [name, member] : kIntMembers)
        shown.push_back(name + ("=" + std::to_string(s.*member)));
    shown.push_back("m_strDataFile=" + s.m_strDataFile);
    shown.push_back("m_listDataFiles=" + Join(s.m_listDataFiles));
    shown.push_back("m_chThousandsSep=" + std::string(1, s.m_chThousandsSep));
    shown.push_back("m_titleCaseExceptions=" +
                    (s.m_titleCaseExceptions ? Join(*s.m_titleCaseExceptions) : "built-in"));
    return shown;
}

// Every member with a value other than its default; distinct ints, so that two members sharing
// a key show up.
CSettings Changed() {
    CSettings s;
    int value = 100;
    for (const auto& [name, member] : kIntMembers) s.*member = value++;
    s.m_strDataFile = "C:\\L\\mine.dat";
    s.m_listDataFiles = {"a", "C:\\b c"};
    s.m_chThousandsSep = '\'';
    s.m_titleCaseExceptions = std::vector<std::string>{"of"};
    return s;
}

CSettings Loaded(const CMemoryProfile& profile, CSettings settings = CSettings()) {
    LoadSettings(profile, settings);
    return settings;
}

}  // namespace

TEST(Settings, SaveThenLoadKeepsEveryMemberAndAnEmptyProfileGivesTheDefaults) {
    CMemoryProfile profile;
    SaveSettings(profile, Changed());
    const std::vector<std::string> defaults = Show(CSettings()), changed = Show(Changed()),
                                   loaded = Show(Loaded(profile));
    for (std::size_t i = 0; i < changed.size(); ++i) {
        EXPECT_NE(defaults[i], changed[i]);
        EXPECT_EQ(changed[i], loaded[i]);
    }
    // An empty profile gives every default, from any values, but keeps the data file list.
    CSettings expected;
    expected.m_listDataFiles = Changed().m_listDataFiles;
    EXPECT_EQ(Show(expected), Show(Loaded(CMemoryProfile(), Changed())));
}

// Stored values that the program did not write as they are: blank or untrimmed file names, keys
// beyond the count, counts far too large, a separator text of any length, the title-case count's
// own meanings (0: none, -1: the built-in list).
TEST(Settings, StoredValuesAreReadWithinTheirRules) {
    CMemoryProfile profile;
    profile.PutInt("Saving", "Filename Count", 4);
    profile.PutString("Saving", "Filename00", "  a.dat  ");
    profile.PutString("Saving", "Filename01", " \t\r\n");
    profile.PutString("Saving", "Filename03", "\tx y.dat\r\n");
    profile.PutString("Saving", "Filename04", "beyond the count");
    profile.PutString("Numbers", "Thousands Separator", ". ");
    profile.PutInt("Title Case", "Count", 0);
    profile.PutString("Title Case", "Exception00", "of");
    CSettings loaded = Loaded(profile);
    EXPECT_EQ("[a.dat][x y.dat]", Join(loaded.m_listDataFiles));
    EXPECT_EQ('.', loaded.m_chThousandsSep);
    EXPECT_EQ("",
              Join(loaded.m_titleCaseExceptions.value_or(std::vector<std::string>{"built-in"})));
    profile.PutString("Numbers", "Thousands Separator", "");
    profile.PutInt("Title Case", "Count", -1);
    loaded = Loaded(profile, Changed());
    EXPECT_EQ(',', loaded.m_chThousandsSep);
    EXPECT_FALSE(loaded.m_titleCaseExceptions.has_value());
    SaveSettings(profile, loaded);
    EXPECT_EQ(-1, profile.RawInt("Title Case", "Count"));
    CMemoryProfile huge;
    huge.PutInt("Saving", "Filename Count", INT_MAX);
    huge.PutString("Saving", "Filename00", "a.dat");
    huge.PutInt("Title Case", "Count", INT_MAX);
    EXPECT_EQ("[a.dat]", Join(Loaded(huge).m_listDataFiles));
    EXPECT_GE(2u * kMaxStoredListEntries + 100, huge.Accesses().size());
}
