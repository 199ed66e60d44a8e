// CLinksDlg: reading and writing the data file, the automatic save, the list lock and the
// notices held back while it is held, and clearing the list.
#include <memory>
#include <mutex>
#include <vector>

#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"
#include "store/RecoveryFile.h"

namespace {

// The profile's note of a recovery file written at the end of a session.
const char* const kRecoverySection = "Saving";
const char* const kRecoveryKey = "Recovered File";

}  // namespace

CLinksDlg::CListGuard::CListGuard(CLinksDlg& dlg) : m_dlg(dlg) {
    m_dlg.m_listLock.lock();
    ++m_dlg.m_nListLockDepth;
}

CLinksDlg::CListGuard::~CListGuard() {
    --m_dlg.m_nListLockDepth;
    m_dlg.m_listLock.unlock();
    if (m_dlg.m_nListLockDepth == 0) m_dlg.ShowDeferredNotices();
}

void CLinksDlg::Notify(const std::string& text) {
    // Nobody could answer a box while the session ends; what matters then is in a file.
    if (m_bSessionEnding) return;
    // A message box runs a loop of its own: it must never run while this thread holds the lock
    // that a worker may be waiting for.
    if (m_nListLockDepth > 0) {
        m_deferredNotices.push_back(text);
        return;
    }
    AppMessageBox(m_hWnd, text, MB_OK | MB_ICONEXCLAMATION);
}

void CLinksDlg::ShowDeferredNotices() {
    if (m_nListLockDepth > 0) return;
    std::vector<std::string> notices;
    notices.swap(m_deferredNotices);
    try {
        for (const std::string& text : notices)
            AppMessageBox(m_hWnd, text, MB_OK | MB_ICONEXCLAMATION);
    } catch (...) {
        // Called from a destructor: nothing may leave it.
    }
}

ESaveResult CLinksDlg::WriteList(const std::string& path) {
    CDataFile dataFile(m_fileSystem, m_clock);
    const ESaveResult result = dataFile.Save(path, m_list);
    if (result == ESaveResult::written) {
        m_nSavePresses = 0;
        m_bModified = false;
    }
    return result;
}

CLinksDlg::EWriteOutcome CLinksDlg::WriteCurrent(EWriteTrigger trigger) {
    const std::string& file = m_settings.m_strDataFile;
    switch (m_fileGuard.Decide(file, trigger, m_bModified, m_list.GetCount() == 0)) {
        case EWriteDecision::nothingToWrite:
            return EWriteOutcome::nothingToWrite;
        case EWriteDecision::protectedFile:
            return EWriteOutcome::protectedFile;
        case EWriteDecision::write:
        default:
            break;
    }
    if (WriteList(file) != ESaveResult::written) return EWriteOutcome::failed;
    m_fileGuard.Written(file, trigger);
    return EWriteOutcome::written;
}

void CLinksDlg::ReportWrite(EWriteOutcome outcome) {
    if (outcome == EWriteOutcome::failed) {
        Notify(MessageWriteFailed(m_settings.m_strDataFile));
        // Another data file can be chosen there.
        RequestSavingPage();
    } else if (outcome == EWriteOutcome::protectedFile && m_fileGuard.TakeNotice())
        Notify(MessageProtected(m_settings.m_strDataFile));
}

bool CLinksDlg::SaveDataFile(const std::optional<std::string>& path) {
    CListGuard guard(*this);
    const std::string file = path ? *path : m_settings.m_strDataFile;
    // The user's own save replaces even a protected file, and ends its protection, whether or
    // not it is the current data file yet; a list never changed and empty holds nothing to save.
    if (m_fileGuard.Decide(file, EWriteTrigger::user, m_bModified, m_list.GetCount() == 0) ==
        EWriteDecision::nothingToWrite)
        return false;
    if (WriteList(file) != ESaveResult::written) {
        Notify(MessageWriteFailed(file));
        return false;
    }
    m_fileGuard.Written(file, EWriteTrigger::user);
    return true;
}

void CLinksDlg::WriteFromTimer() {
    // The window's thread may hold the lock while it waits for this job to end (closing, the end
    // of the session): the wait for it ends when a stop is requested, and then nothing is written
    // here; the window writes the file itself.
    if (!m_saveJob.LockUnlessStopped(m_listLock)) return;
    std::lock_guard<std::recursive_timed_mutex> lock(m_listLock, std::adopt_lock);
    // What went wrong is shown by the user-interface thread: a box owned by the main window would
    // make this thread wait for that one.
    const EWriteOutcome outcome = WriteCurrent(EWriteTrigger::timer);
    if (outcome == EWriteOutcome::failed)
        PostJobMessage(MessageWriteFailed(m_settings.m_strDataFile), true);
    else if (outcome == EWriteOutcome::protectedFile && m_fileGuard.TakeNotice())
        PostJobMessage(MessageProtected(m_settings.m_strDataFile));
}

bool CLinksDlg::WriteRecoveryFile() {
    CCivilTime now;
    m_clock.NowStamp().GetCivil(now);
    CDataFile dataFile(m_fileSystem, m_clock);
    for (const std::string& candidate :
         RecoveryFileCandidates(m_settings.m_strDataFile, m_strDocumentsFolder, now)) {
        if (dataFile.Save(candidate, m_list) == ESaveResult::written) {
            m_profile.WriteString(kRecoverySection, kRecoveryKey, candidate);
            return true;
        }
    }
    return false;
}

void CLinksDlg::ShowRecoveryNote() {
    const std::string recovered = m_profile.GetString(kRecoverySection, kRecoveryKey, "");
    if (recovered.empty()) return;
    m_profile.WriteString(kRecoverySection, kRecoveryKey, "");
    Notify(MessageRecovered(recovered, m_settings.m_strDataFile));
}

void CLinksDlg::PostJobMessage(const std::string& text, bool savingPage) const {
    HWND target = m_hJobTarget;
    auto owned = std::make_unique<std::string>(text);
    if (target && ::PostMessageA(target, WM_JOB_MESSAGE, savingPage ? 1 : 0,
                                 reinterpret_cast<LPARAM>(owned.get())))
        owned.release();
}

void CLinksDlg::OnJobMessage(WPARAM savingPage, LPARAM text) {
    std::unique_ptr<std::string> owned(reinterpret_cast<std::string*>(text));
    if (owned) Notify(*owned);
    if (savingPage) RequestSavingPage();
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
    // A failure a job reported on the way (a timed save that could not write) is still shown;
    // search results nobody will look at any more are dropped.
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, WM_SEARCH_DONE, WM_SEARCH_DONE, PM_REMOVE))
        DiscardSearchOutcome(msg.lParam);
    std::vector<std::string> failures;
    while (::PeekMessageA(&msg, m_hWnd, WM_JOB_MESSAGE, WM_JOB_MESSAGE, PM_REMOVE)) {
        std::unique_ptr<std::string> owned(reinterpret_cast<std::string*>(msg.lParam));
        if (owned) failures.push_back(std::move(*owned));
    }
    for (const std::string& text : failures) Notify(text);
}

void CLinksDlg::ClearList() {
    CListGuard guard(*this);
    // The history refers to the records being freed: it is emptied with them.
    m_pUndoManager->Clear();
    UpdateUndoRedoMenus();
    m_list.FreeAll();
    m_list.Categories().RemoveAll();
    m_listLinks.SetItemCountEx(0);
    UpdateLinkCount();
    UpdateSelectedCount();
    m_history.RemoveAll();
    m_comboSearch.ResetContent();
    m_nEditorRow = -1;
    ClearEditor(true);
}

bool CLinksDlg::LoadDataFile(const std::optional<std::string>& path, bool append) {
    const std::string file = path ? *path : m_settings.m_strDataFile;
    CLoadOutcome outcome;
    {
        CListGuard guard(*this);
        if (!append) ClearList();
        LockListUpdate(true);
        const CRowAnchors anchors = CaptureAnchors();
        CDataFile dataFile(m_fileSystem, m_clock);
        // The category list is emptied by the reader, and only once the file's version is known
        // to be one it can read.
        outcome = dataFile.Load(file, m_list);
        // A file not read completely is kept from being replaced by what was read of it.
        if (!append) m_fileGuard.Loaded(file, outcome.result);
        if (outcome.result == ELoadResult::notFound) {
            // A first start has no data file yet: only a named file is reported missing.
            if (path) Notify(MessageNotFound(file));
            LockListUpdate(false);
            return false;
        }
        if (outcome.result != ELoadResult::readFailed) m_nSavePresses = 0;
        if (outcome.result == ELoadResult::outOfMemory) Notify(MessageOutOfMemory());
        if (outcome.result == ELoadResult::readFailed) Notify(MessageReadFailed(file));
        RefreshRows(anchors);
        FillCategoryCombo();
        LockListUpdate(false);
        m_comboSearch.SetWindowText("");
        m_btnPrevious.EnableWindow(false);
        m_btnNext.EnableWindow(false);
        UpdateLinkCount();
        UpdateSelectedCount();
    }
    // Asked for once the failure was shown (the lock held it back): the sheet follows the
    // message that explains it.
    if (outcome.result == ELoadResult::readFailed && !path) RequestSavingPage();
    // Asked once the lock is free: the answer needs no list.
    if (outcome.result == ELoadResult::newerVersion &&
        AppMessageBox(m_hWnd, MessageNewerVersion(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        // Leave without writing the data file, the pending edit or the search terms.
        m_bSaveOnExit = false;
        ::PostQuitMessage(1);
    }
    return outcome.result != ELoadResult::readFailed;
}
