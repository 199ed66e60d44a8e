// The settings table: which section and key of the profile holds each member of CSettings, read
// at start-up and written after the options change.
#pragma once

#include "app/Profile.h"
#include "app/Settings.h"

// The most entries of the list of data files, and of the title-case exceptions, that a load
// reads: a corrupted count must not keep the program reading missing keys for hours.
constexpr int kMaxStoredListEntries = 10000;

// Reads every setting; a missing value gives the member's default.
void LoadSettings(const CProfile& profile, CSettings& settings);
// Writes every setting.
void SaveSettings(CProfile& profile, const CSettings& settings);
