// CLinksDlg: reading and writing the data file, and clearing the list.
#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"

bool CLinksDlg::SaveDataFile(const std::optional<std::string>& path) {
    CSingleLock lock(m_listLock);
    const std::string& file = path ? *path : m_settings.m_strDataFile;
    CDataFile dataFile(m_fileSystem, m_clock);
    switch (dataFile.Save(file, m_list)) {
        case ESaveResult::written:
            m_nSavePresses = 0;
            m_bModified = false;
            return true;
        case ESaveResult::emptyList:
            return false;
        case ESaveResult::writeFailed:
        default:
            AppMessageBox(m_hWnd, MessageWriteFailed(file), MB_OK | MB_ICONEXCLAMATION);
            return false;
    }
}

void CLinksDlg::ClearList() {
    CSingleLock lock(m_listLock);
    // The history refers to the records being freed: it is emptied with them.
    m_pUndoManager->Clear();
    UpdateUndoRedoMenus();
    m_list.FreeAll();
    m_list.Categories().RemoveAll();
    m_listLinks.DeleteAllItems();
    UpdateLinkCount();
    UpdateSelectedCount();
    m_comboSearch.ResetContent();
    ClearEditor(true);
}

bool CLinksDlg::LoadDataFile(const std::optional<std::string>& path, bool append) {
    CSingleLock lock(m_listLock);
    if (!append) ClearList();

    const std::string& file = path ? *path : m_settings.m_strDataFile;
    if (!m_fileSystem.Exists(file)) {
        // A first start has no data file yet: only a named file is reported missing.
        if (path) AppMessageBox(m_hWnd, MessageNotFound(file), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    LockListUpdate(true);
    const size_t recordsBefore = m_list.GetCount();
    if (recordsBefore == 0) m_list.Categories().RemoveAll();
    CDataFile dataFile(m_fileSystem, m_clock);
    const CLoadOutcome outcome = dataFile.Load(file, m_list);

    bool finished = true;
    switch (outcome.result) {
        case ELoadResult::loaded:
            m_nSavePresses = 0;
            break;
        case ELoadResult::newerVersion:
            if (AppMessageBox(m_hWnd, MessageNewerVersion(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
                // Leave without writing the data file, the pending edit or the search terms.
                m_bSaveOnExit = false;
                ::PostQuitMessage(1);
            }
            m_nSavePresses = 0;
            break;
        case ELoadResult::outOfMemory:
            AppMessageBox(m_hWnd, MessageOutOfMemory(), MB_OK | MB_ICONEXCLAMATION);
            m_nSavePresses = 0;
            break;
        case ELoadResult::notFound:
        case ELoadResult::readFailed:
        default:
            AppMessageBox(m_hWnd, MessageReadFailed(file), MB_OK | MB_ICONEXCLAMATION);
            finished = false;
            break;
    }

    m_listLinks.SetItemCountEx(static_cast<int>(m_list.GetCount()));
    FillCategoryCombo();
    LockListUpdate(false);
    m_comboSearch.SetWindowText("");
    m_btnPrevious.EnableWindow(false);
    m_btnNext.EnableWindow(false);
    UpdateLinkCount();
    UpdateSelectedCount();
    return finished;
}
