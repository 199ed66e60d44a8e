#include <gtest/gtest.h>

#include <climits>
#include <functional>
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

// One member of CSettings: a way to give it a value other than its default, and its value as
// text so that a failure shows both sides.
struct Member {
    std::string name;
    std::function<void(CSettings&)> change;
    std::function<std::string(const CSettings&)> show;
};

#define INT_MEMBER(m) \
    { #m, &CSettings::m }

std::vector<Member> AllMembers() {
    const std::pair<const char*, int CSettings::*> ints[] = {
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
    std::vector<Member> members;
    int value = 100;  // distinct values, so that two members sharing a key show up
    for (const auto& [name, member] : ints)
        members.push_back(
            {name, [member = member, v = value++](CSettings& s) { s.*member = v; },
             [member = member](const CSettings& s) { return std::to_string(s.*member); }});
    members.push_back({"m_strDataFile", [](CSettings& s) { s.m_strDataFile = "C:\\L\\mine.dat"; },
                       [](const CSettings& s) { return s.m_strDataFile; }});
    members.push_back({"m_listDataFiles",
                       [](CSettings& s) {
                           s.m_listDataFiles = {"a", "C:\\b c"};
                       },
                       [](const CSettings& s) { return Join(s.m_listDataFiles); }});
    members.push_back({"m_chThousandsSep", [](CSettings& s) { s.m_chThousandsSep = '\''; },
                       [](const CSettings& s) { return std::string(1, s.m_chThousandsSep); }});
    members.push_back(
        {"m_titleCaseExceptions",
         [](CSettings& s) { s.m_titleCaseExceptions = std::vector<std::string>{"of"}; },
         [](const CSettings& s) {
             return s.m_titleCaseExceptions ? Join(*s.m_titleCaseExceptions) : "built-in";
         }});
    return members;
}

CSettings Changed() {
    CSettings settings;
    for (const Member& member : AllMembers()) member.change(settings);
    return settings;
}

}  // namespace

TEST(Settings, SaveThenLoadKeepsEveryMember) {
    const CSettings defaults;
    CMemoryProfile profile;
    SaveSettings(profile, Changed());
    CSettings loaded;
    LoadSettings(profile, loaded);
    for (const Member& member : AllMembers()) {
        EXPECT_NE(member.show(defaults), member.show(Changed())) << member.name;
        EXPECT_EQ(member.show(Changed()), member.show(loaded)) << member.name;
    }
}

TEST(Settings, EmptyProfileGivesEveryDefaultButKeepsTheDataFileList) {
    const CSettings defaults;
    CSettings loaded = Changed();
    LoadSettings(CMemoryProfile(), loaded);
    for (const Member& member : AllMembers()) {
        const CSettings& expected = member.name == "m_listDataFiles" ? Changed() : defaults;
        EXPECT_EQ(member.show(expected), member.show(loaded)) << member.name;
    }
    EXPECT_EQ("", loaded.m_strDataFile);
}

TEST(Settings, DataFileEntriesAreTrimmedAndBlankOnesLeftOut) {
    CMemoryProfile profile;
    profile.PutInt("Saving", "Filename Count", 2);
    profile.PutString("Saving", "Filename00", "  a.dat  ");
    profile.PutString("Saving", "Filename01", "");
    CSettings settings;
    LoadSettings(profile, settings);
    EXPECT_EQ("[a.dat]", Join(settings.m_listDataFiles));

    profile.PutInt("Saving", "Filename Count", 4);
    profile.PutString("Saving", "Filename01", " \t\r\n");
    profile.PutString("Saving", "Filename03", "\tx y.dat\r\n");
    profile.PutString("Saving", "Filename04", "beyond the count");
    LoadSettings(profile, settings);
    EXPECT_EQ("[a.dat][x y.dat]", Join(settings.m_listDataFiles));

    profile.PutInt("Saving", "Filename Count", 0);
    settings.m_listDataFiles = {"kept.dat"};
    LoadSettings(profile, settings);
    EXPECT_EQ("[kept.dat]", Join(settings.m_listDataFiles));
}

TEST(Settings, ShrinkingListLeavesTheOldKeysUnread) {
    CMemoryProfile profile;
    CSettings settings;
    settings.m_listDataFiles = {"0", "1", "2", "3", "4"};
    SaveSettings(profile, settings);
    settings.m_listDataFiles = {"new0", "new1"};
    SaveSettings(profile, settings);
    EXPECT_EQ(2, profile.RawInt("Saving", "Filename Count"));
    EXPECT_EQ("2", profile.RawString("Saving", "Filename02"));
    EXPECT_EQ("4", profile.RawString("Saving", "Filename04"));
    LoadSettings(profile, settings);
    EXPECT_EQ("[new0][new1]", Join(settings.m_listDataFiles));
}

TEST(Settings, ThousandsSeparatorIsTheFirstCharacterOrAComma) {
    for (const auto& [stored, expected] : {std::pair<const char*, char>{"", ','}, {". ", '.'}}) {
        CMemoryProfile profile;
        profile.PutString("Numbers", "Thousands Separator", stored);
        CSettings settings;
        LoadSettings(profile, settings);
        EXPECT_EQ(expected, settings.m_chThousandsSep) << '"' << stored << '"';
    }
    // A NUL has no text form: it is not written as a text of one NUL, and reads back as ','.
    CMemoryProfile profile;
    CSettings settings;
    settings.m_chThousandsSep = '\0';
    SaveSettings(profile, settings);
    EXPECT_FALSE(profile.Has("Numbers", "Thousands Separator"));
    LoadSettings(profile, settings);
    EXPECT_EQ(',', settings.m_chThousandsSep);
}

TEST(Settings, TitleCaseCountZeroIsAnEmptyListAndMinusOneTheBuiltInOne) {
    CMemoryProfile profile;
    CSettings settings;
    profile.PutInt("Title Case", "Count", 0);
    profile.PutString("Title Case", "Exception00", "of");
    LoadSettings(profile, settings);
    ASSERT_TRUE(settings.m_titleCaseExceptions.has_value());
    EXPECT_EQ("", Join(*settings.m_titleCaseExceptions));

    profile.PutInt("Title Case", "Count", -1);
    LoadSettings(profile, settings);
    EXPECT_FALSE(settings.m_titleCaseExceptions.has_value());
    SaveSettings(profile, settings);
    EXPECT_EQ(-1, profile.RawInt("Title Case", "Count"));
}

TEST(Settings, MiscIsWrittenInAnotherOrderThanItIsRead) {
    CMemoryProfile profile;
    SaveSettings(profile, CSettings());
    CSettings settings;
    LoadSettings(profile, settings);
    std::string misc;
    for (const std::string& access : profile.Accesses())
        if (access.rfind("Misc/", 0) == 0) misc += access.substr(5) + ";";
    EXPECT_EQ(
        "Move to Title;Move to Link;Copy Link;Confirm Delete;Move Save;Show Day Tip;"
        "Restore Wnd Placement;Save Column Widths;Day Tip Index;"
        "Move to Title;Move to Link;Copy Link;Confirm Delete;Move Save;Restore Wnd Placement;"
        "Save Column Widths;Show Day Tip;Day Tip Index;",
        misc);
}

TEST(Settings, HugeStoredCountsReadABoundedNumberOfKeys) {
    CMemoryProfile profile;
    profile.PutInt("Saving", "Filename Count", INT_MAX);
    profile.PutString("Saving", "Filename00", "a.dat");
    profile.PutInt("Title Case", "Count", INT_MAX);
    CSettings settings;
    LoadSettings(profile, settings);
    EXPECT_EQ("[a.dat]", Join(settings.m_listDataFiles));
    EXPECT_GE(2u * kMaxStoredListEntries + 100, profile.Accesses().size());
}
