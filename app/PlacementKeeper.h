// CPlacementKeeper: stores a window's placement and a list view's column widths in the profile
// and puts them back, keeping a restored window reachable on the desktop (all monitors). It has
// no state of its own beyond the profile it writes to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/Profile.h"

class CPlacementKeeper {
public:
    explicit CPlacementKeeper(CProfile& profile) : m_profile(profile) {}

    // Writes the window's flags, show state and normal rectangle to "Placement"; nothing when
    // the placement cannot be asked for.
    void StorePlacement(HWND hWnd);
    // Applies a stored placement, minimised when `minimised` is set. Returns false, changing
    // nothing, when the window's placement cannot be asked for or a value is not stored;
    // otherwise the result of putting the placement into effect.
    bool RestorePlacement(HWND hWnd, bool minimised);

    // Writes the current width of every column of the list as "Col %d" in `section`.
    void StoreColumnWidths(HWND listView, const std::string& section);
    // True when all `count` columns have a stored width greater than 0.
    bool ReadColumnWidths(const std::string& section, int count, std::vector<int>& widths);

private:
    CProfile& m_profile;
};
