// CStatisticsDlg: the list of counts and the sum of the selected rows.
#include "auxwnd/StatisticsDlg.h"

#include <algorithm>

#include "app/ColumnScaler.h"
#include "app/PlacementKeeper.h"
#include "auxwnd/CategoryStatistics.h"
#include "res/resource.h"

namespace {

const char* const statisticsSection = "Statistics";
// The design width of the list and its columns' design widths, relative to it.
constexpr int listDesignWidth = 300;
constexpr int designWidths[] = {225, 75};
constexpr int columnCount = 2;

}  // namespace

CStatisticsDlg::CStatisticsDlg(bool useSavedWidths, CPlacementKeeper& placement,
                               const CNumberFormatter& formatter, HWND parent)
    : CDialog(IDD_STATISTICS, parent),
      m_bUseSavedWidths(useSavedWidths),
      m_placement(placement),
      m_formatter(formatter) {}

void CStatisticsDlg::SetData(const std::vector<std::string>& names,
                             const std::vector<int>& counts) {
    m_pNames = &names;
    m_pCounts = &counts;
}

void CStatisticsDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_STATISTICS_SUM, m_staticSum);
    DDX_Control(dx, IDC_STATISTICS_LIST, m_list);
}

BOOL CStatisticsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InitColumns();
    if (!m_pNames || !m_pCounts) return TRUE;
    const int rows = static_cast<int>(std::min(m_pNames->size(), m_pCounts->size()));
    m_list.SetRedraw(false);
    m_list.SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(rows));
    for (int row = 0; row < rows; ++row) {
        const int count = (*m_pCounts)[static_cast<size_t>(row)];
        m_list.InsertItem(row, (*m_pNames)[static_cast<size_t>(row)].c_str(), count);
        m_list.SetItemText(row, 1, m_formatter.Format(count).c_str());
    }
    m_list.SetRedraw(true);
    m_list.Invalidate();
    return TRUE;
}

void CStatisticsDlg::InitColumns() {
    std::vector<int> widths;
    if (!m_bUseSavedWidths ||
        !m_placement.ReadColumnWidths(statisticsSection, columnCount, widths)) {
        RECT client;
        m_list.GetClientRect(&client);
        const CColumnScaler scaler(client.right - client.left, listDesignWidth, columnCount, true,
                                   ::GetSystemMetrics(SM_CXVSCROLL));
        widths = {scaler.Scale(designWidths[0]), scaler.Scale(designWidths[1])};
    }
    m_list.InsertColumn(0, "Category", LVCFMT_LEFT, widths[0]);
    m_list.InsertColumn(1, "Count", LVCFMT_RIGHT, widths[1]);
}

bool CStatisticsDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_STATISTICS_LIST) return CDialog::OnNotify(id, header, result);
    switch (header->code) {
        case NM_CLICK:
            UpdateSum();
            result = 0;
            return true;
        case LVN_KEYDOWN:
            // The list moves its selection after this notification: the sum follows it later.
            SetTimer(timerKey, keyTimerDelay);
            result = 0;
            return true;
        default:
            return false;
    }
}

void CStatisticsDlg::OnTimer(UINT_PTR id) {
    if (id != timerKey) return;
    KillTimer(timerKey);
    UpdateSum();
}

void CStatisticsDlg::UpdateSum() {
    std::vector<long long> counts;
    for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = m_list.GetNextItem(row, LVNI_SELECTED))
        counts.push_back(static_cast<long long>(m_list.GetItemData(row)));
    m_staticSum.SetWindowText(ItemSumText(counts, m_formatter));
}

void CStatisticsDlg::OnDestroy() {
    KillTimer(timerKey);
    m_placement.StoreColumnWidths(m_list, statisticsSection);
}
