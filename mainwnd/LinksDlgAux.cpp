// CLinksDlg: the auxiliary windows of the system menu: Statistics.
#include "auxwnd/CategoryStatistics.h"
#include "auxwnd/StatisticsDlg.h"
#include "mainwnd/LinksDlg.h"

void CLinksDlg::OnStatistics() {
    // A snapshot: the window does not follow later changes of the list.
    std::unique_ptr<CCategoryStatistics> statistics;
    {
        CListGuard guard(*this);
        statistics = std::make_unique<CCategoryStatistics>(m_list);
    }
    CStatisticsDlg dlg(
        m_settings.m_bSaveColumnWidths != 0, m_placement,
        CNumberFormatter(m_settings.m_bUseThousandsSep != 0, m_settings.m_chThousandsSep), m_hWnd);
    dlg.SetData(statistics->Names(), statistics->Counts());
    dlg.DoModal();
}
