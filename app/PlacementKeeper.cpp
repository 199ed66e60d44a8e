// CPlacementKeeper: the window placement record and list columns against the profile.
#include "app/PlacementKeeper.h"

#include <algorithm>

#include "app/Placement.h"
#include "framework/ListView.h"

void CPlacementKeeper::StorePlacement(HWND hWnd) {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!::GetWindowPlacement(hWnd, &wp)) return;
    const CPlacement placement = {static_cast<int>(wp.flags), static_cast<int>(wp.showCmd),
                                  wp.rcNormalPosition.left,   wp.rcNormalPosition.top,
                                  wp.rcNormalPosition.right,  wp.rcNormalPosition.bottom};
    WritePlacement(m_profile, placement);
}

bool CPlacementKeeper::RestorePlacement(HWND hWnd, bool minimised) {
    // The minimised and maximised positions are not stored: they stay as the window has them.
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!::GetWindowPlacement(hWnd, &wp)) return false;
    CPlacement placement;
    if (!ReadPlacement(m_profile, placement)) return false;
    // Judged against the whole desktop, so that a window kept on another monitor stays there.
    const CScreenArea desktop = {
        ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
        ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    KeepReachable(placement, desktop, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    if (minimised) placement.showCmd = SW_SHOWMINIMIZED;
    wp.flags = static_cast<UINT>(placement.flags);
    wp.showCmd = static_cast<UINT>(placement.showCmd);
    wp.rcNormalPosition = {placement.x1, placement.y1, placement.x2, placement.y2};
    return ::SetWindowPlacement(hWnd, &wp) != FALSE;
}

void CPlacementKeeper::StoreColumnWidths(HWND listView, const std::string& section) {
    CListView list;
    list.Attach(listView);
    std::vector<int> widths(static_cast<std::size_t>(std::max(list.GetColumnCount(), 0)));
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = list.GetColumnWidth(static_cast<int>(i));
    WriteColumnWidths(m_profile, section, widths);
}

bool CPlacementKeeper::ReadColumnWidths(const std::string& section, int count,
                                        std::vector<int>& widths) {
    return ::ReadColumnWidths(m_profile, section, count, widths);
}
