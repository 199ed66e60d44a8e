// CLinksDlg: the auxiliary windows of the system menu: Statistics, Tip of the Day and About.
#include "app/SettingsStore.h"
#include "auxwnd/AboutDlg.h"
#include "auxwnd/CategoryStatistics.h"
#include "auxwnd/StatisticsDlg.h"
#include "auxwnd/TipDlg.h"
#include "auxwnd/TipPager.h"
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

void CLinksDlg::OnTipOfTheDay() {
    CTipDlg dlg(m_hWnd);
    dlg.m_nTip = m_settings.m_nDayTipIndex;
    dlg.m_bShowDayTip = m_settings.m_bShowDayTip;
    if (dlg.DoModal() == IDOK)
        m_settings.m_bShowDayTip = dlg.m_bShowDayTip;
    else
        m_listLinks.SetFocus();
    m_settings.m_nDayTipIndex = NextDayTipIndex(dlg.m_nTip);
    SaveSettings(m_profile, m_settings);
}

void CLinksDlg::OnAbout() {
    CAboutDlg dlg(m_launcher, m_hWnd);
    dlg.DoModal();
}
