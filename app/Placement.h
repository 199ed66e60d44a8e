// CPlacement: the main window's placement as kept in the profile's "Placement" section (flags,
// show state and the normal rectangle), with the rule that keeps a restored window reachable, and
// the column widths of a list kept as "Col %d" in the list's section.
#pragma once

#include <string>
#include <vector>

#include "app/Profile.h"

struct CPlacement {
    int flags = 0;
    int showCmd = 0;
    int x1 = 0;  // the normal rectangle in screen pixels
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Reads "Flags", "ShowCmd", "x1", "y1", "x2", "y2" in this order. -1 means "not stored": reading
// stops at the first -1 and returns false, and `placement` is then left unchanged.
bool ReadPlacement(const CProfile& profile, CPlacement& placement);
void WritePlacement(CProfile& profile, const CPlacement& placement);

// The area a window can be put on, in screen pixels: with several monitors, the rectangle that
// holds them all, which may begin left of or above the primary monitor's origin.
struct CScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Moves a normal rectangle that starts within an icon's size of the right or bottom edge of
// `area` (or beyond it) back so that one icon's width or height of it is inside; its size is
// kept. Rectangles left of or above the area are left where they are.
void KeepReachable(CPlacement& placement, const CScreenArea& area, int iconWidth, int iconHeight);

// Writes widths[i] as "Col i" in `section`.
void WriteColumnWidths(CProfile& profile, const std::string& section,
                       const std::vector<int>& widths);
// Reads "Col 0" to "Col count-1" into `widths` (resized to `count`, missing ones 0). Returns
// false as soon as a width is 0 or less: the caller then uses the default widths for all columns.
bool ReadColumnWidths(const CProfile& profile, const std::string& section, int count,
                      std::vector<int>& widths);
