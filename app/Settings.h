// CSettings: the options the main window reads at start-up, with their defaults. The registry
// store fills them; until a value is stored, these defaults are in force.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CSettings {
    // Saving
    int m_bSaveOnPresses = 1;
    int m_nSaveLimit = 5;
    int m_bSaveOnTimer = 1;
    int m_nTimerIndex = 2;
    int m_bSaveOnClose = 1;
    std::string m_strDataFile;
    std::vector<std::string> m_listDataFiles;
    // Searching
    int m_bSearchTitle = 1;
    int m_bSearchDescription = 1;
    int m_bSearchCategory = 0;
    int m_bSearchLink = 0;
    int m_bPositionOnLast = 0;
    int m_bAllowTypos = 0;
    int m_nSeparation = 2;
    int m_bInterruptible = 0;
    // Numbers
    int m_bUseThousandsSep = 1;
    char m_chThousandsSep = ',';
    // Misc
    int m_bMoveToTitle = 0;
    int m_bMoveToLink = 0;
    int m_bCopyLink = 0;
    int m_bConfirmDelete = 1;
    int m_bMoveSave = 1;
    int m_bRestorePlacement = 1;
    int m_bSaveColumnWidths = 1;
    int m_bShowDayTip = 1;
    int m_nDayTipIndex = 0;
    // Title Case: the exceptions to capitalisation; nullopt means the built-in list.
    std::optional<std::vector<std::string>> m_titleCaseExceptions;
};
