// CStatisticsDlg: the Statistics window. It lists the counts it is given (TOTAL, SELECTED,
// NO CATEGORY, then each category), each row carrying its count, and shows the sum of the
// selected rows' counts below the list after a click, and shortly after a key.
#pragma once

#include <string>
#include <vector>

#include "controls/NumberFormatter.h"
#include "framework/Dialog.h"
#include "framework/ListView.h"
#include "framework/Static.h"

class CPlacementKeeper;

class CStatisticsDlg : public CDialog {
public:
    // The one-shot timer that follows a key in the list.
    enum { timerKey = 1 };
    static constexpr UINT keyTimerDelay = 50;

    // `useSavedWidths`: the stored column widths are read back (the Misc option); they are
    // written on closing whatever it says.
    CStatisticsDlg(bool useSavedWidths, CPlacementKeeper& placement,
                   const CNumberFormatter& formatter, HWND parent);

    // The rows to show; both must outlive the window and have the same length.
    void SetData(const std::vector<std::string>& names, const std::vector<int>& counts);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void InitColumns();
    void UpdateSum();

    CStatic m_staticSum;
    CListView m_list;
    bool m_bUseSavedWidths;
    const std::vector<std::string>* m_pNames = nullptr;
    const std::vector<int>* m_pCounts = nullptr;
    CPlacementKeeper& m_placement;
    CNumberFormatter m_formatter;
};
