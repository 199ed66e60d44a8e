// The settings table over a profile. Loading and saving go section by section in a fixed order;
// the "Misc" section is written in an order of its own.
#include "app/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "store/TextTrim.h"

namespace {

const char kSaving[] = "Saving";
const char kSearching[] = "Searching";
const char kNumbers[] = "Numbers";
const char kMisc[] = "Misc";
const char kTitleCase[] = "Title Case";

// An integer setting: its key and member; the default is the member's initial value.
struct CIntSetting {
    const char* key;
    int CSettings::*member;
};

const CIntSetting kSavingInts[] = {
    {"Save on Presses", &CSettings::m_bSaveOnPresses}, {"Save Limit", &CSettings::m_nSaveLimit},
    {"Save on Timer", &CSettings::m_bSaveOnTimer},     {"Timer Index", &CSettings::m_nTimerIndex},
    {"Save on Close", &CSettings::m_bSaveOnClose},
};

const CIntSetting kSearchingInts[] = {
    {"Title Fields", &CSettings::m_bSearchTitle},
    {"Description Fields", &CSettings::m_bSearchDescription},
    {"Category Fields", &CSettings::m_bSearchCategory},
    {"Link Fields", &CSettings::m_bSearchLink},
    {"Position on Last", &CSettings::m_bPositionOnLast},
    {"Allow Typos", &CSettings::m_bAllowTypos},
    {"Separation", &CSettings::m_nSeparation},
    {"Interruptible Searching", &CSettings::m_bInterruptible},
};

const CIntSetting kMiscIntsLoadOrder[] = {
    {"Move to Title", &CSettings::m_bMoveToTitle},
    {"Move to Link", &CSettings::m_bMoveToLink},
    {"Copy Link", &CSettings::m_bCopyLink},
    {"Confirm Delete", &CSettings::m_bConfirmDelete},
    {"Move Save", &CSettings::m_bMoveSave},
    {"Restore Wnd Placement", &CSettings::m_bRestorePlacement},
    {"Save Column Widths", &CSettings::m_bSaveColumnWidths},
    {"Show Day Tip", &CSettings::m_bShowDayTip},
    {"Day Tip Index", &CSettings::m_nDayTipIndex},
};

// The same settings as written: "Show Day Tip" comes before the placement and widths options.
const CIntSetting kMiscIntsSaveOrder[] = {
    {"Move to Title", &CSettings::m_bMoveToTitle},
    {"Move to Link", &CSettings::m_bMoveToLink},
    {"Copy Link", &CSettings::m_bCopyLink},
    {"Confirm Delete", &CSettings::m_bConfirmDelete},
    {"Move Save", &CSettings::m_bMoveSave},
    {"Show Day Tip", &CSettings::m_bShowDayTip},
    {"Restore Wnd Placement", &CSettings::m_bRestorePlacement},
    {"Save Column Widths", &CSettings::m_bSaveColumnWidths},
    {"Day Tip Index", &CSettings::m_nDayTipIndex},
};

const CSettings& Defaults() {
    static const CSettings defaults;
    return defaults;
}

template <std::size_t N>
void ReadInts(const CProfile& profile, const char* section, const CIntSetting (&table)[N],
              CSettings& settings) {
    for (const CIntSetting& setting : table)
        settings.*setting.member = profile.GetInt(section, setting.key, Defaults().*setting.member);
}

template <std::size_t N>
void WriteInts(CProfile& profile, const char* section, const CIntSetting (&table)[N],
               const CSettings& settings) {
    for (const CIntSetting& setting : table)
        profile.WriteInt(section, setting.key, settings.*setting.member);
}

// The key of entry `index` of a stored list: the prefix and the index as at least two digits.
std::string EntryKey(const char* prefix, int index) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", index);
    return std::string(prefix) + digits;
}

// Entries 0 to count - 1 under prefix%02d, trimmed, the empty ones left out.
std::vector<std::string> ReadList(const CProfile& profile, const char* section, const char* prefix,
                                  int count) {
    std::vector<std::string> entries;
    count = std::min(count, kMaxStoredListEntries);
    for (int i = 0; i < count; ++i) {
        std::string entry =
            TrimText(profile.GetString(section, EntryKey(prefix, i), std::string()));
        if (!entry.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

void WriteList(CProfile& profile, const char* section, const char* countKey, const char* prefix,
               const std::vector<std::string>& entries) {
    profile.WriteInt(section, countKey, static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        profile.WriteString(section, EntryKey(prefix, static_cast<int>(i)), entries[i]);
}

}  // namespace

void LoadSettings(const CProfile& profile, CSettings& settings) {
    ReadInts(profile, kSaving, kSavingInts, settings);
    settings.m_strDataFile = profile.GetString(kSaving, "Data File", Defaults().m_strDataFile);
    // A count of 0 or less keeps the list as it is.
    const int fileCount = profile.GetInt(kSaving, "Filename Count", -1);
    if (fileCount > 0) settings.m_listDataFiles = ReadList(profile, kSaving, "Filename", fileCount);

    ReadInts(profile, kSearching, kSearchingInts, settings);

    settings.m_bUseThousandsSep =
        profile.GetInt(kNumbers, "Use Thousands Sep", Defaults().m_bUseThousandsSep);
    const std::string separator = profile.GetString(kNumbers, "Thousands Separator", ",");
    settings.m_chThousandsSep = separator.empty() ? ',' : separator[0];

    ReadInts(profile, kMisc, kMiscIntsLoadOrder, settings);

    // -1 stands for the built-in exceptions; any other count, 0 included, for a list of its own.
    const int exceptionCount = profile.GetInt(kTitleCase, "Count", -1);
    if (exceptionCount == -1)
        settings.m_titleCaseExceptions.reset();
    else
        settings.m_titleCaseExceptions = ReadList(profile, kTitleCase, "Exception", exceptionCount);
}

void SaveSettings(CProfile& profile, const CSettings& settings) {
    WriteInts(profile, kSaving, kSavingInts, settings);
    profile.WriteString(kSaving, "Data File", settings.m_strDataFile);
    // Entries beyond the new count stay in the profile; the count makes them unread.
    WriteList(profile, kSaving, "Filename Count", "Filename", settings.m_listDataFiles);

    WriteInts(profile, kSearching, kSearchingInts, settings);

    profile.WriteInt(kNumbers, "Use Thousands Sep", settings.m_bUseThousandsSep);
    // A NUL separator has no text form: it is written as no text and reads back as ','.
    const char separator = settings.m_chThousandsSep;
    profile.WriteString(kNumbers, "Thousands Separator",
                        separator ? std::string(1, separator) : std::string());

    WriteInts(profile, kMisc, kMiscIntsSaveOrder, settings);

    if (settings.m_titleCaseExceptions)
        WriteList(profile, kTitleCase, "Count", "Exception", *settings.m_titleCaseExceptions);
    else
        profile.WriteInt(kTitleCase, "Count", -1);
}
