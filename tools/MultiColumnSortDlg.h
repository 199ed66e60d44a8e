// CMultiColumnSortDlg: the Multi-Column Sorting window. The user arranges the five columns in an
// order of priority and gives each a direction. Data in and out: m_order, edited in place (a
// copy of the caller's, so that Cancel leaves the caller's as it was); result IDOK to sort.
#pragma once

#include "app/PlacementKeeper.h"
#include "framework/Dialog.h"
#include "framework/ListView.h"
#include "tools/MultiSortOrder.h"

class CMultiColumnSortDlg : public CDialog {
public:
    CMultiColumnSortDlg(HWND parent, CPlacementKeeper& placement, bool useSavedWidths);

    // Data in and out
    CMultiSortOrder m_order;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnDestroy() override;

private:
    // The texts of the row at `priority` from the order.
    void ShowRow(int priority);
    void UpdateMoveButtons();
    void Move(bool up);
    void OnReverse();
    void OnReset();

    CPlacementKeeper& m_placement;
    bool m_bUseSavedWidths;
    CListView m_list;
};
