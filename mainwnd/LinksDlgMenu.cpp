// CLinksDlg: the system menu with the program's extra commands, and the selection commands.
#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "tools/UndoPreviewDlg.h"

namespace {

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
        case IDM_IMPORT:
            OnImport();
            return true;
        case IDM_MULTI_SORT:
            OnMultiColumnSort();
            return true;
        case IDM_TITLE_CASE:
            OnTitleCase();
            return true;
        case IDM_WORD_WRAP:
            OnWordWrap();
            return true;
        case IDM_STATISTICS:
            OnStatistics();
            return true;
        case IDM_TIP:
            OnTipOfTheDay();
            return true;
        case IDM_ABOUTBOX:
            OnAbout();
            return true;
        default:
            // The platform's own commands, and those whose windows the program does not have yet.
            return false;
    }
}

void CLinksDlg::UpdatePrevNextButtons(int row) {
    m_btnPrevious.EnableWindow(m_list.NextSelected(row, false) >= 0);
    m_btnNext.EnableWindow(m_list.NextSelected(row, true) >= 0);
}

void CLinksDlg::SelectAllLinks() {
    if (m_bSearching) return;
    LockListUpdate(true);
    if (m_list.GetCount() > 0) {
        m_list.SelectAll(true);
        CListCursor cursor;
        cursor.mark = 0;
        m_listLinks.ShowCursor(cursor, true);
        m_listLinks.EnsureVisible(0);
        ShowSelectedLink(false);
        UpdatePrevNextButtons(0);
    }
    UpdateSelectedCount();
    LockListUpdate(false);
}

void CLinksDlg::InvertSelection() {
    if (m_bSearching) return;
    LockListUpdate(true);
    CListCursor cursor = m_listLinks.GetCursor();
    // A row that loses its selection loses its focus too.
    if (cursor.focus >= 0 && m_list.IsSelected(static_cast<size_t>(cursor.focus)))
        cursor.focus = -1;
    const long long first = m_list.InvertSelection();
    if (first >= 0) cursor.mark = first;
    m_listLinks.ShowCursor(cursor, false);
    if (first >= 0) {
        const int row = static_cast<int>(first);
        ShowSelectedLink(false);
        m_listLinks.EnsureVisible(row);
        UpdatePrevNextButtons(row);
    }
    UpdateSelectedCount();
    LockListUpdate(false);
}

void CLinksDlg::UpdateUndoRedoMenus() {
    // The history knows the texts: "&Undo Delete\tCtrl+Z", or the bare item, greyed.
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    for (const bool undo : {true, false}) {
        const UINT id = undo ? IDM_UNDO : IDM_REDO;
        const bool available = undo ? m_pUndoManager->CanUndo() : m_pUndoManager->CanRedo();
        ::ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING | (available ? MF_ENABLED : MF_GRAYED), id,
                      m_pUndoManager->GetMenuText(undo).c_str());
    }
}

void CLinksDlg::OnActivatePreview() {
    m_bPreview = !m_bPreview;
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (menu)
        ::CheckMenuItem(menu, IDM_PREVIEW, MF_BYCOMMAND | (m_bPreview ? MF_CHECKED : MF_UNCHECKED));
}

void CLinksDlg::OnUndo(bool undo) {
    if (m_bSearching) return;
    if (undo ? !m_pUndoManager->CanUndo() : !m_pUndoManager->CanRedo()) return;
    bool perform = true;
    if (m_bPreview) {
        // The preview waits for the user without the list lock; only this thread changes the
        // history, and if it did meanwhile (the end of the session saves the editor) the step
        // shown is no longer the one to perform.
        const unsigned revision = m_pUndoManager->GetRevision();
        CUndoPreviewDlg preview(m_hWnd);
        preview.m_bUndo = undo;
        preview.m_strAction = m_pUndoManager->GetPreviewAction(undo);
        preview.m_strEffect = m_pUndoManager->GetPreviewEffect(
            undo,
            CNumberFormatter(m_settings.m_bUseThousandsSep != 0, m_settings.m_chThousandsSep));
        preview.m_nCount = m_pUndoManager->GetPreviewCount(undo);
        preview.m_records = [this, undo, revision](size_t index) -> const CLinkItem* {
            if (m_pUndoManager->GetRevision() != revision) return nullptr;
            return &m_pUndoManager->GetPreviewRecord(undo, index);
        };
        perform = preview.DoModal() == IDOK && m_pUndoManager->GetRevision() == revision;
    }
    CListGuard guard(*this);
    LockListUpdate(true);
    if (perform) {
        // The record the editor shows, so that a step that changes it shows it again.
        const CLinkItem* editorRecord = m_bRecordLoaded ? EditorRecord() : nullptr;
        const CRowAnchors anchors = CaptureAnchors();
        const CUndoResult result =
            undo ? m_pUndoManager->Undo(editorRecord) : m_pUndoManager->Redo(editorRecord);
        ApplyUndoResult(result, anchors);
    }
    m_bEditorDirty = false;
    m_bModified = true;
    LockListUpdate(false);
    UpdateSelectedCount();
    UpdateLinkCount();
}

void CLinksDlg::ApplyUndoResult(const CUndoResult& result, const CRowAnchors& anchors) {
    switch (result.change) {
        case CUndoResult::modified:
            m_listLinks.RedrawItems(static_cast<int>(result.row), static_cast<int>(result.row));
            break;
        case CUndoResult::appended:
            RefreshRows(anchors);
            if (result.count > 0)
                m_listLinks.EnsureVisible(static_cast<int>(result.row + result.count - 1));
            break;
        case CUndoResult::removed:
            RefreshRows(anchors);
            break;
        case CUndoResult::none:
        default:
            break;
    }
    if (result.showRecord) ShowLinkItem(result.showRecord);
    UpdateUndoRedoMenus();
    if (result.message) Notify(result.message);
}
