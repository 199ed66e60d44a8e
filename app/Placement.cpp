// The window placement and column widths in the profile, and the reachability rule.
#include "app/Placement.h"

#include <algorithm>
#include <climits>

namespace {

const char kPlacement[] = "Placement";

struct CPlacementValue {
    const char* key;
    int CPlacement::*member;
};

const CPlacementValue kPlacementValues[] = {
    {"Flags", &CPlacement::flags}, {"ShowCmd", &CPlacement::showCmd}, {"x1", &CPlacement::x1},
    {"y1", &CPlacement::y1},       {"x2", &CPlacement::x2},           {"y2", &CPlacement::y2},
};

const int kNotStored = -1;

std::string ColumnKey(int column) {
    return "Col " + std::to_string(column);
}

// Moves [low, high] so that low is at most `limit`, keeping high - low. Stored values are
// arbitrary, so the shift is computed in 64 bits and the far edge clamped to the int range.
void PullBack(int& low, int& high, int limit) {
    if (low < limit) return;
    const long long shifted = static_cast<long long>(high) - (static_cast<long long>(low) - limit);
    low = limit;
    high = static_cast<int>(std::clamp<long long>(shifted, INT_MIN, INT_MAX));
}

}  // namespace

bool ReadPlacement(const CProfile& profile, CPlacement& placement) {
    CPlacement read = placement;
    for (const CPlacementValue& value : kPlacementValues) {
        const int number = profile.GetInt(kPlacement, value.key, kNotStored);
        if (number == kNotStored) return false;
        read.*value.member = number;
    }
    placement = read;
    return true;
}

void WritePlacement(CProfile& profile, const CPlacement& placement) {
    for (const CPlacementValue& value : kPlacementValues)
        profile.WriteInt(kPlacement, value.key, placement.*value.member);
}

void KeepReachable(CPlacement& placement, const CScreenArea& area, int iconWidth, int iconHeight) {
    // The far edge less an icon, computed in 64 bits as the stored values are.
    const auto limit = [](int origin, int size, int icon) {
        const long long edge = static_cast<long long>(origin) + size;
        return static_cast<int>(std::clamp<long long>(edge - icon, INT_MIN, INT_MAX));
    };
    PullBack(placement.x1, placement.x2, limit(area.left, area.width, iconWidth));
    PullBack(placement.y1, placement.y2, limit(area.top, area.height, iconHeight));
}

void WriteColumnWidths(CProfile& profile, const std::string& section,
                       const std::vector<int>& widths) {
    for (std::size_t i = 0; i < widths.size(); ++i)
        profile.WriteInt(section, ColumnKey(static_cast<int>(i)), widths[i]);
}

bool ReadColumnWidths(const CProfile& profile, const std::string& section, int count,
                      std::vector<int>& widths) {
    widths.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
    for (int i = 0; i < count; ++i) {
        widths[i] = profile.GetInt(section, ColumnKey(i), 0);
        if (widths[i] <= 0) return false;
    }
    return true;
}
