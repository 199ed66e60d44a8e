// CLinksDlg: the editor below the list: New, Save, Delete, Launch's refusal of an empty link,
// the saving policy of Save presses, and files dropped on the Link field.
#include <new>

#include "framework/MessageBox.h"
#include "mainwnd/LaunchJob.h"
#include "mainwnd/LinksDlg.h"
#include "mainwnd/ShortcutResolver.h"
#include "res/resource.h"
#include "store/EditorSave.h"
#include "store/SavePressPolicy.h"
#include "store/TextTrim.h"

namespace {

const char* const messageNoMemoryToSave =
    "There isn't enough available memory to save this link.  Try closing another application.";

}  // namespace

void CLinksDlg::UpdateDeleteLabel() {
    m_btnDelete.SetWindowText(m_settings.m_bConfirmDelete ? "&Delete..." : "&Delete!");
}

CLinkItem* CLinksDlg::EditorRecord() const {
    if (!m_pEditorItem) return nullptr;
    const long long row = m_list.FindRow(m_pEditorItem);
    return row >= 0 ? m_list.GetAt(static_cast<size_t>(row)) : nullptr;
}

void CLinksDlg::OnNew() {
    if (m_bSearching) return;
    AddSearchTerm();
    ClearEditor(false);
    DeselectAll();
    m_comboSearch.SetWindowText("");
    m_bRecordLoaded = false;
}

void CLinksDlg::OnSave() {
    if (m_bSearching) return;
    AddSearchTerm();
    SaveEditorLink(true);
}

void CLinksDlg::SaveEditorLink(bool byButton) {
    CListGuard guard(*this);
    try {
        const CEditorSave texts(m_editTitle.GetWindowText(), m_editLink.GetWindowText(),
                                m_editDescription.GetWindowText(), m_comboCategory.GetWindowText(),
                                m_settings.m_bMoveToTitle != 0, m_settings.m_bMoveToLink != 0);
        if (!texts.HasContent()) return;

        const std::string& category = texts.GetCategory();
        if (!category.empty() && !m_list.Categories().Contains(category)) {
            const size_t index = m_list.Categories().InsertSorted(category);
            m_comboCategory.InsertString(static_cast<int>(index), category.c_str());
        }
        if (texts.IsTitleMoved()) m_editTitle.SetWindowText(texts.GetTitle());
        if (texts.IsLinkMoved()) m_editLink.SetWindowText(texts.GetLink());
        m_editDescription.SetWindowText(texts.GetDescription());

        LockListUpdate(true);
        const CDateTime now = m_clock.NowStamp();
        CLinkItem* target =
            ChooseSaveTarget(m_list, m_bRecordLoaded, m_listLinks.GetSelectionMark(), byButton,
                             byButton ? nullptr : EditorRecord());
        long long row = -1;
        if (target) {
            const CUndoResult result = m_pUndoManager->Replace(
                *target, texts.GetTitle(), texts.GetLink(), texts.GetDescription(), category, now);
            row = m_list.FindRow(target);
            if (row >= 0) m_listLinks.RedrawItems(static_cast<int>(row), static_cast<int>(row));
            UpdateUndoRedoMenus();
            if (result.message) Notify(result.message);
        } else {
            if (!m_list.AddLinkItem(texts.GetTitle(), texts.GetLink(), texts.GetDescription(),
                                    category, now, now)) {
                LockListUpdate(false);
                Notify(messageNoMemoryToSave);
                return;
            }
            row = static_cast<long long>(m_list.GetCount()) - 1;
            m_listLinks.SetItemCountEx(static_cast<int>(m_list.GetCount()));
        }
        m_staticModified.SetWindowText(now.FormatShort());

        if (byButton && row >= 0) {
            const int shown = static_cast<int>(row);
            CListSelection selection(m_list, m_listLinks.GetCursor());
            selection.SelectOnly(row);
            m_listLinks.ShowCursor(selection.GetCursor(), true);
            m_bRecordLoaded = true;
            m_nEditorRow = shown;
            m_pEditorItem = m_list.GetAt(static_cast<size_t>(shown));
        }
        LockListUpdate(false);
        CountChange();
        m_bEditorDirty = false;
        UpdateSelectedCount();
        UpdateLinkCount();
    } catch (const std::bad_alloc&) {
        LockListUpdate(false);
        Notify(messageNoMemoryToSave);
    }
}

void CLinksDlg::CountChange() {
    const CSavePressPolicy policy(m_settings.m_bSaveOnPresses != 0, m_settings.m_nSaveLimit);
    CSavePressPolicy::CPress press = policy.Press(m_nSavePresses);
    if (press.m_bWriteNow) {
        // A successful write resets the counter and the modified mark itself.
        m_nSavePresses = press.m_nSavePresses;
        EWriteOutcome outcome;
        {
            CListGuard guard(*this);
            outcome = WriteCurrent(EWriteTrigger::pressCount);
        }
        if (outcome == EWriteOutcome::written) return;
        ReportWrite(outcome);
        CSavePressPolicy::WriteFinished(press, false);
    }
    m_nSavePresses = press.m_nSavePresses;
    m_bModified = m_bModified || press.m_bModified;
}

void CLinksDlg::OnDelete() {
    if (m_bSearching) return;
    AddSearchTerm();
    const std::vector<size_t> rows = m_list.SelectedRows();
    if (rows.empty()) return;
    // Asked before the lock is taken: the rows to delete are known, and only this thread
    // changes them.
    if (m_settings.m_bConfirmDelete) {
        const std::string question =
            FormatCount("Delete %s item%s?", static_cast<long long>(rows.size()));
        if (AppMessageBox(m_hWnd, question, MB_YESNO | MB_ICONQUESTION) == IDNO) return;
    }
    CListGuard guard(*this);
    LockListUpdate(true);
    const CRowAnchors anchors = CaptureAnchors();
    try {
        const CUndoResult result = m_pUndoManager->DeleteRows(rows);
        m_bModified = true;
        m_bRecordLoaded = false;
        RefreshRows(anchors);
        UpdateUndoRedoMenus();
        if (result.message) Notify(result.message);
    } catch (const std::bad_alloc&) {
        Notify(CUndoManager::messageAddUndoFailed);
    }
    LockListUpdate(false);
    UpdateSelectedCount();
    UpdateLinkCount();
}

void CLinksDlg::OnLaunch() {
    if (m_bSearching) return;
    AddSearchTerm();
    const std::string link = TrimText(m_editLink.GetWindowText());
    if (link.empty()) {
        AppMessageBox(m_hWnd, "Please put a link or full filename into the Link field.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    auto* job = static_cast<CLaunchJob*>(m_launchJobs ? m_launchJobs->GetIdleJob() : nullptr);
    if (job && job->SetLink(link)) job->Start(m_hWnd, 0);
}

void CLinksDlg::OnDropFiles(HDROP drop) {
    POINT point;
    // Only a drop in the client area counts, and of it only the first name.
    if (::DragQueryPoint(drop, &point)) {
        char name[MAX_PATH] = {};
        if (::DragQueryFileA(drop, 0, name, MAX_PATH) > 0) {
            RECT linkRect;
            m_editLink.GetWindowRect(&linkRect);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&linkRect), 2);
            if (::PtInRect(&linkRect, point)) {
                std::string path = name;
                const std::string suffix = ".lnk";
                if (path.size() >= suffix.size() &&
                    ::lstrcmpiA(path.c_str() + path.size() - suffix.size(), suffix.c_str()) == 0) {
                    std::string target;
                    if (ResolveShortcut(path, target) == S_OK) path = target;
                }
                m_editLink.SetWindowText(path);
            }
        }
    }
    ::DragFinish(drop);
}
