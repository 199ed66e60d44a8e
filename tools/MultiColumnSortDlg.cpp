// CMultiColumnSortDlg: the order of priorities, moved, reversed and reset on the copy it edits.
#include "tools/MultiColumnSortDlg.h"

#include <vector>

#include "app/ColumnScaler.h"
#include "res/resource.h"

namespace {

const char* const kSection = "Sorting";
constexpr int kDesignWidth = 200;
const int kDesignColumns[] = {40, 85, 75};
const char* const kCaptions[] = {"Order", "Column", "Direction"};
constexpr int kColumnCount = 3;

}  // namespace

CMultiColumnSortDlg::CMultiColumnSortDlg(HWND parent, CPlacementKeeper& placement,
                                         bool useSavedWidths)
    : CDialog(IDD_MULTI_SORT, parent), m_placement(placement), m_bUseSavedWidths(useSavedWidths) {}

void CMultiColumnSortDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_SORT_LIST, m_list);
}

BOOL CMultiColumnSortDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    RECT client;
    m_list.GetClientRect(&client);
    const CColumnScaler scaler(client.right - client.left, kDesignWidth, kColumnCount, false,
                               ::GetSystemMetrics(SM_CXVSCROLL));
    std::vector<int> widths;
    const bool stored =
        m_bUseSavedWidths && m_placement.ReadColumnWidths(kSection, kColumnCount, widths);
    for (int i = 0; i < kColumnCount; ++i)
        m_list.InsertColumn(
            i, kCaptions[i], LVCFMT_LEFT,
            stored ? widths[static_cast<size_t>(i)] : scaler.Scale(kDesignColumns[i]));
    for (int priority = 0; priority < CMultiSortOrder::kCount; ++priority) {
        m_list.InsertItem(priority, CMultiSortOrder::PriorityLabel(priority));
        ShowRow(priority);
    }
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetSelectionMark(0);
    return TRUE;
}

void CMultiColumnSortDlg::ShowRow(int priority) {
    const CSortKey& key = m_order.GetAt(priority);
    m_list.SetItemText(priority, 1, SortColumnName(key.column));
    m_list.SetItemText(priority, 2, CMultiSortOrder::DirectionText(key.increasing));
}

void CMultiColumnSortDlg::UpdateMoveButtons() {
    const int mark = m_list.GetSelectionMark();
    if (mark < 0) return;
    ::EnableWindow(GetDlgItem(IDC_MOVE_UP), CMultiSortOrder::CanMoveUp(mark));
    ::EnableWindow(GetDlgItem(IDC_MOVE_DOWN), CMultiSortOrder::CanMoveDown(mark));
}

void CMultiColumnSortDlg::Move(bool up) {
    const int mark = m_list.GetSelectionMark();
    const int moved = up ? m_order.MoveUp(mark) : m_order.MoveDown(mark);
    if (moved == mark) return;
    m_list.SetRedraw(false);
    ShowRow(mark);
    ShowRow(moved);
    m_list.SetItemState(mark, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetItemState(moved, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetSelectionMark(moved);
    UpdateMoveButtons();
    m_list.SetFocus();
    m_list.SetRedraw(true);
    m_list.Invalidate();
    m_list.UpdateWindow();
}

void CMultiColumnSortDlg::OnReverse() {
    const int mark = m_list.GetSelectionMark();
    if (mark < 0) return;
    m_order.Reverse(mark);
    ShowRow(mark);
    m_list.SetFocus();
}

void CMultiColumnSortDlg::OnReset() {
    m_list.SetRedraw(false);
    m_order.Reset();
    for (int priority = 0; priority < CMultiSortOrder::kCount; ++priority) ShowRow(priority);
    m_list.SetRedraw(true);
    m_list.Invalidate();
}

bool CMultiColumnSortDlg::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_MOVE_UP:
                Move(true);
                return true;
            case IDC_MOVE_DOWN:
                Move(false);
                return true;
            case IDC_REVERSE:
                OnReverse();
                return true;
            case IDC_RESET:
                OnReset();
                return true;
            default:
                break;
        }
    }
    return CDialog::OnCommand(id, code, control);
}

bool CMultiColumnSortDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id == IDC_SORT_LIST && header->code == NM_CLICK) {
        UpdateMoveButtons();
        return true;
    }
    if (id == IDC_SORT_LIST && header->code == NM_DBLCLK) {
        OnReverse();
        return true;
    }
    return CDialog::OnNotify(id, header, result);
}

void CMultiColumnSortDlg::OnDestroy() {
    // Written at every close; read back only with the option.
    m_placement.StoreColumnWidths(m_list, kSection);
}
