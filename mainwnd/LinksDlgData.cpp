// CLinksDlg: reading and writing the data file, the automatic save, and clearing the list.
#include <memory>
#include <vector>

#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"

ESaveResult CLinksDlg::WriteList(const std::string& path) {
    CSingleLock lock(m_listLock);
    CDataFile dataFile(m_fileSystem, m_clock);
    const ESaveResult result = dataFile.Save(path, m_list);
    if (result == ESaveResult::written) {
        m_nSavePresses = 0;
        m_bModified = false;
    }
    return result;
}

bool CLinksDlg::SaveDataFile(const std::optional<std::string>& path) {
    CSingleLock lock(m_listLock);
    const std::string file = path ? *path : m_settings.m_strDataFile;
    const ESaveResult result = WriteList(file);
    if (result == ESaveResult::writeFailed)
        AppMessageBox(m_hWnd, MessageWriteFailed(file), MB_OK | MB_ICONEXCLAMATION);
    return result == ESaveResult::written;
}

void CLinksDlg::WriteFromTimer() {
    std::string file;
    {
        CSingleLock lock(m_listLock);
        file = m_settings.m_strDataFile;
    }
    // The failure is shown by the user-interface thread: a box owned by the main window would
    // make this thread wait for that one.
    if (WriteList(file) == ESaveResult::writeFailed) PostJobMessage(MessageWriteFailed(file));
}

void CLinksDlg::PostJobMessage(const std::string& text) const {
    HWND target = m_hJobTarget;
    auto owned = std::make_unique<std::string>(text);
    if (target && ::PostMessageA(target, WM_JOB_MESSAGE, 0, reinterpret_cast<LPARAM>(owned.get())))
        owned.release();
}

void CLinksDlg::OnJobMessage(LPARAM text) {
    std::unique_ptr<std::string> owned(reinterpret_cast<std::string*>(text));
    if (owned) AppMessageBox(m_hWnd, *owned, MB_OK | MB_ICONEXCLAMATION);
}

void CLinksDlg::OnAutoSaveTick() {
    if (m_bModified && m_saveJob.IsIdle()) m_saveJob.Start(m_hWnd, 0);
}

void CLinksDlg::ShutdownJobs() {
    // One stop request for every job, so that none begins its work while another is waited
    // for; a save already writing is waited for, jobs still waiting leave without working.
    std::vector<CThreadJob*> jobs = {&m_saveJob};
    CThreadJob::SetStopAll(jobs.begin(), jobs.end());
    if (m_launchJobs) m_launchJobs->SetStopAll();
    if (m_searchJobs) m_searchJobs->SetStopAll();
    m_saveJob.Wait();
    m_launchJobs.reset();
    m_searchJobs.reset();
    m_pSearchJob = nullptr;
    m_bSearching = false;
    m_hJobTarget = nullptr;
    // Results the jobs posted that nobody will show any more.
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, WM_JOB_MESSAGE, WM_JOB_MESSAGE, PM_REMOVE))
        delete reinterpret_cast<std::string*>(msg.lParam);
    while (::PeekMessageA(&msg, m_hWnd, WM_SEARCH_DONE, WM_SEARCH_DONE, PM_REMOVE))
        DiscardSearchOutcome(msg.lParam);
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
