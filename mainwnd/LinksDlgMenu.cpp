// CLinksDlg: the system menu with the program's extra commands, and the selection commands.
#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "tools/UndoPreviewDlg.h"

namespace {

constexpr UINT allRowStates = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED;

// The program's items, appended below the standard ones; 0 stands for a separator.
struct CMenuEntry {
    UINT id;
    const char* text;
};

const CMenuEntry g_menuEntries[] = {
    {0, nullptr},
    {IDM_STATISTICS, "&Statistics...\tCtrl+S"},
    {IDM_MULTI_SORT, "Multi-C&olumn Sorting...\tCtrl+M"},
    {0, nullptr},
    {IDM_INVERT_SELECTION, "&Invert Selection\tCtrl+I"},
    {IDM_SELECT_ALL, "Se&lect All\tCtrl+L"},
    {IDM_WORD_WRAP, "&Word Wrap\tCtrl+W"},
    {IDM_TITLE_CASE, "&Title Case\tCtrl+T"},
    {0, nullptr},
    {IDM_UNDO, "&Undo\tCtrl+Z"},
    {IDM_REDO, "Re&do\tCtrl+Y"},
    {IDM_PREVIEW, "Activate &Preview\tCtrl+P"},
    {0, nullptr},
    {IDM_IMPORT, "Import &Favorites...\tCtrl+F"},
    {0, nullptr},
    {IDM_TIP, "S&how Tip of the Day...\tCtrl+D"},
};

}  // namespace

void CLinksDlg::BuildSystemMenu() {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    // Of the standard items Restore, Move, Minimize and Close stay; the window has no size to
    // change.
    ::EnableMenuItem(menu, 0, MF_BYPOSITION | MF_GRAYED);
    ::RemoveMenu(menu, 2, MF_BYPOSITION);  // Size
    ::RemoveMenu(menu, 3, MF_BYPOSITION);  // Maximize
    for (const CMenuEntry& entry : g_menuEntries) {
        if (!entry.id)
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(menu, MF_STRING, entry.id, entry.text);
    }
    ::EnableMenuItem(menu, IDM_UNDO, MF_BYCOMMAND | MF_GRAYED);
    ::EnableMenuItem(menu, IDM_REDO, MF_BYCOMMAND | MF_GRAYED);
    char about[256] = {};
    if (::LoadStringA(CApplication::GetInstance(), IDS_ABOUTBOX, about, sizeof about) > 0)
        ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
}

bool CLinksDlg::OnSysCommand(UINT command) {
    switch (command & 0xFFF0) {
        case IDM_INVERT_SELECTION:
            InvertSelection();
            return true;
        case IDM_SELECT_ALL:
            SelectAllLinks();
            return true;
        case IDM_UNDO:
            OnUndo(true);
            return true;
        case IDM_REDO:
            OnUndo(false);
            return true;
        case IDM_PREVIEW:
            OnActivatePreview();
            return true;
        default:
            // The platform's own commands, and those whose windows the program does not have yet.
            return false;
    }
}

void CLinksDlg::SetMenuItem(UINT id, bool enabled, const std::string& text) {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    ::ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id,
                  text.c_str());
}

void CLinksDlg::UpdateUndoMenu(bool available, const std::string& name) {
    SetMenuItem(IDM_UNDO, available, available ? "&Undo " + name + "\tCtrl+Z" : "&Undo\tCtrl+Z");
}

void CLinksDlg::UpdateRedoMenu(bool available, const std::string& name) {
    SetMenuItem(IDM_REDO, available, available ? "Re&do " + name + "\tCtrl+Y" : "Re&do\tCtrl+Y");
}

void CLinksDlg::UpdatePrevNextButtons(int row) {
    m_btnPrevious.EnableWindow(m_listLinks.GetNextItem(row, LVNI_SELECTED | LVNI_ABOVE) >= 0);
    m_btnNext.EnableWindow(m_listLinks.GetNextItem(row, LVNI_SELECTED | LVNI_BELOW) >= 0);
}

void CLinksDlg::SelectAllLinks() {
    if (m_bSearching) return;
    LockListUpdate(true);
    if (m_list.GetCount() > 0) {
        m_listLinks.SetItemState(-1, LVIS_SELECTED, allRowStates);
        m_listLinks.SetSelectionMark(0);
        ShowSelectedLink(false);
        m_listLinks.EnsureVisible(0);
        UpdatePrevNextButtons(0);
    }
    UpdateSelectedCount();
    LockListUpdate(false);
}

void CLinksDlg::InvertSelection() {
    if (m_bSearching) return;
    LockListUpdate(true);
    const int count = static_cast<int>(m_list.GetCount());
    std::vector<int> selected;
    selected.reserve(static_cast<size_t>(m_listLinks.GetSelectedCount()));
    for (int row = m_listLinks.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = m_listLinks.GetNextItem(row, LVNI_SELECTED))
        selected.push_back(row);

    // The owner-data list keeps its selection as ranges: change whichever side is smaller, so
    // that the cost follows the smaller of the selected and unselected row counts.
    int first = -1;
    if (selected.size() * 2 <= static_cast<size_t>(count)) {
        m_listLinks.SetItemState(-1, LVIS_SELECTED, allRowStates);
        for (int row : selected) m_listLinks.SetItemState(row, 0, allRowStates);
        int expected = 0;
        for (int row : selected) {
            if (row != expected) break;
            ++expected;
        }
        first = expected < count ? expected : -1;
    } else {
        m_listLinks.SetItemState(-1, 0, allRowStates);
        size_t next = 0;
        for (int row = 0; row < count; ++row) {
            if (next < selected.size() && selected[next] == row) {
                ++next;
                continue;
            }
            m_listLinks.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            if (first < 0) first = row;
        }
    }
    if (first >= 0) {
        m_listLinks.SetSelectionMark(first);
        ShowSelectedLink(false);
        m_listLinks.EnsureVisible(first);
        UpdatePrevNextButtons(first);
    }
    UpdateSelectedCount();
    LockListUpdate(false);
}

void CLinksDlg::UpdateUndoRedoMenus() {
    UpdateUndoMenu(m_pUndoManager->CanUndo(), m_pUndoManager->GetActionName(true));
    UpdateRedoMenu(m_pUndoManager->CanRedo(), m_pUndoManager->GetActionName(false));
}

void CLinksDlg::OnActivatePreview() {
    m_bPreview = !m_bPreview;
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (menu)
        ::CheckMenuItem(menu, IDM_PREVIEW, MF_BYCOMMAND | (m_bPreview ? MF_CHECKED : MF_UNCHECKED));
}

void CLinksDlg::OnUndo(bool undo) {
    if (m_bSearching) return;
    CSingleLock lock(m_listLock);
    if (undo ? !m_pUndoManager->CanUndo() : !m_pUndoManager->CanRedo()) return;
    LockListUpdate(true);
    // The record the editor shows, so that a step that changes it shows it again.
    const CLinkItem* editorRecord = m_bRecordLoaded ? EditorRecord() : nullptr;
    bool perform = true;
    if (m_bPreview) {
        CUndoPreviewDlg preview(m_hWnd, CNumberFormatter(m_settings.m_bUseThousandsSep != 0,
                                                         m_settings.m_chThousandsSep));
        preview.m_bUndo = undo;
        preview.m_strActionName = m_pUndoManager->GetActionName(undo);
        preview.m_strEffect = m_pUndoManager->GetPreviewEffect(undo, preview.GetFormatter());
        preview.m_items = m_pUndoManager->GetPreviewRecords(undo);
        perform = preview.DoModal() == IDOK;
    }
    if (perform) {
        const CUndoResult result =
            undo ? m_pUndoManager->Undo(editorRecord) : m_pUndoManager->Redo(editorRecord);
        ApplyUndoResult(result);
    }
    m_bEditorDirty = false;
    m_bModified = true;
    LockListUpdate(false);
    UpdateSelectedCount();
    UpdateLinkCount();
}

void CLinksDlg::ApplyUndoResult(const CUndoResult& result) {
    switch (result.change) {
        case CUndoResult::modified:
            m_listLinks.RedrawItems(static_cast<int>(result.row), static_cast<int>(result.row));
            break;
        case CUndoResult::appended:
            m_listLinks.SetItemCountEx(static_cast<int>(m_list.GetCount()));
            if (result.count > 0)
                m_listLinks.EnsureVisible(static_cast<int>(result.row + result.count - 1));
            break;
        case CUndoResult::removed:
            ResetRows();
            break;
        case CUndoResult::none:
        default:
            break;
    }
    if (result.showRecord) ShowLinkItem(result.showRecord);
    UpdateUndoRedoMenus();
    if (result.message) AppMessageBox(m_hWnd, result.message, MB_OK | MB_ICONEXCLAMATION);
}
