// CLinksDlg: the incremental search over the list, Previous and Next, and the history of terms.
// A search job matches on the model under the list lock and hands the matching rows to the
// window's thread, which makes them the model's selection in one step: the job never touches the
// list view, and the list view only repaints.
#include <memory>
#include <mutex>
#include <new>

#include "framework/MessageBox.h"
#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"

namespace {

const char* const messageNoMemoryToSearch =
    "There isn't enough available memory to search the links.  Try closing another application.";

}  // namespace

unsigned CLinksDlg::SearchFields() const {
    unsigned fields = 0;
    if (m_settings.m_bSearchTitle) fields |= searchTitle;
    if (m_settings.m_bSearchDescription) fields |= searchDescription;
    if (m_settings.m_bSearchCategory) fields |= searchCategory;
    if (m_settings.m_bSearchLink) fields |= searchLink;
    return fields;
}

bool CLinksDlg::FindMatches(const std::string& term, unsigned fields, bool allowTypos,
                            int separation, std::vector<size_t>& rows, CSearchJob* job) {
    std::unique_ptr<CTextMatcher> matcher;
    if (allowTypos)
        matcher = std::make_unique<CTypoMatcher>(separation, false);
    else
        matcher = std::make_unique<CExactMatcher>(false);
    if (!job) {
        CListGuard guard(*this);
        return SearchLinks(m_list, *matcher, term, fields, rows, nullptr);
    }
    // A newer keystroke or the window closing stops the wait for the lock as well as the search.
    if (!job->LockUnlessStopped(m_listLock)) return false;
    std::lock_guard<std::recursive_timed_mutex> lock(m_listLock, std::adopt_lock);
    return SearchLinks(m_list, *matcher, term, fields, rows, &job->StopFlag());
}

void CLinksDlg::RunSearch() {
    if (m_settings.m_bMoveSave && m_bEditorDirty) SaveEditorLink(false);
    std::vector<size_t> rows;
    try {
        FindMatches(m_comboSearch.GetWindowText(), SearchFields(), m_settings.m_bAllowTypos != 0,
                    m_settings.m_nSeparation, rows, nullptr);
    } catch (const std::bad_alloc&) {
        Notify(messageNoMemoryToSearch);
        return;
    }
    ApplySearch(rows);
}

void CLinksDlg::StartSearchJob() {
    if (m_pSearchJob) m_pSearchJob->SetStop(true);
    m_pSearchJob = nullptr;
    auto* job = static_cast<CSearchJob*>(m_searchJobs ? m_searchJobs->GetIdleJob() : nullptr);
    std::unique_ptr<CSearchOutcome> outcome;
    try {
        outcome = std::make_unique<CSearchOutcome>();
    } catch (const std::bad_alloc&) {
        job = nullptr;
    }
    if (!job) {
        // No job to search on: the search runs here, and nothing is left waiting for one.
        m_bSearching = false;
        ++m_nSearchGeneration;
        RunSearch();
        return;
    }
    if (m_settings.m_bMoveSave && m_bEditorDirty) SaveEditorLink(false);
    job->m_strTerm = m_comboSearch.GetWindowText();
    job->m_nFields = SearchFields();
    job->m_bAllowTypos = m_settings.m_bAllowTypos != 0;
    job->m_nSeparation = m_settings.m_nSeparation;
    outcome->generation = ++m_nSearchGeneration;
    job->m_pOutcome = std::move(outcome);
    m_pSearchJob = job;
    m_bSearching = true;
    if (!job->Start(m_hWnd, 0)) {
        job->m_pOutcome.reset();
        m_pSearchJob = nullptr;
        m_bSearching = false;
        RunSearch();
    }
}

void CLinksDlg::SearchWork(CSearchJob& job) {
    // Every search that runs hands an outcome back, also when it is stopped or fails, so that the
    // window always learns that the newest search has ended.
    std::unique_ptr<CSearchOutcome> outcome = std::move(job.m_pOutcome);
    if (!outcome) return;
    try {
        const bool complete = FindMatches(job.m_strTerm, job.m_nFields, job.m_bAllowTypos,
                                          job.m_nSeparation, outcome->rows, &job);
        outcome->state =
            complete && !job.IsStopping() ? CSearchOutcome::found : CSearchOutcome::stopped;
    } catch (const std::bad_alloc&) {
        outcome->state = CSearchOutcome::failed;
    }
    if (outcome->state != CSearchOutcome::found) std::vector<size_t>().swap(outcome->rows);
    HWND target = m_hJobTarget;
    if (target &&
        ::PostMessageA(target, WM_SEARCH_DONE, 0, reinterpret_cast<LPARAM>(outcome.get())))
        outcome.release();
}

void CLinksDlg::OnSearchDone(LPARAM result) {
    std::unique_ptr<CSearchOutcome> outcome(reinterpret_cast<CSearchOutcome*>(result));
    // A search that a later keystroke overtook shows nothing.
    if (!outcome || outcome->generation != m_nSearchGeneration) return;
    m_pSearchJob = nullptr;
    m_bSearching = false;
    if (outcome->state == CSearchOutcome::found)
        ApplySearch(outcome->rows);
    else if (outcome->state == CSearchOutcome::failed)
        Notify(messageNoMemoryToSearch);
}

void CLinksDlg::DiscardSearchOutcome(LPARAM outcome) {
    delete reinterpret_cast<CSearchOutcome*>(outcome);
}

void CLinksDlg::ApplySearch(const std::vector<size_t>& rows) {
    // Drawing stays on: the list asks the model for each row's state, so nothing is drawn half
    // done, and turning drawing off and on would cost a full redraw with the scroll bars. The
    // rows are repainted once at the end.
    m_btnPrevious.EnableWindow(false);
    m_btnNext.EnableWindow(false);
    m_list.SelectOnly(rows);
    CListCursor cursor = m_listLinks.GetCursor();
    cursor.focus = -1;
    if (!rows.empty())
        cursor.mark =
            static_cast<long long>(m_settings.m_bPositionOnLast ? rows.back() : rows.front());
    m_listLinks.ShowCursor(cursor, false);
    if (rows.empty()) {
        ClearEditor(false);
        UpdateSelectedCount();
    } else {
        const int ref = static_cast<int>(cursor.mark);
        ShowSelectedLink(false);
        m_listLinks.EnsureVisible(ref);
        UpdatePrevNextButtons(ref);
    }
    m_listLinks.Invalidate(false);
    m_listLinks.UpdateWindow();
}

void CLinksDlg::OnSearchCommand(int code) {
    switch (code) {
        case CBN_EDITCHANGE:
            if (m_settings.m_bInterruptible)
                StartSearchJob();
            else
                RunSearch();
            break;
        case CBN_SELCHANGE: {
            if (m_bSearching) break;
            const int index = m_comboSearch.GetCurSel();
            if (index < 0) break;
            m_comboSearch.SetWindowText(m_comboSearch.GetLBText(index));
            RunSearch();
            break;
        }
        case CBN_DROPDOWN:
            AddSearchTerm();
            break;
        default:
            break;
    }
}

void CLinksDlg::OnPrevNext(bool next) {
    if (m_bSearching) return;
    AddSearchTerm();
    if (m_settings.m_bMoveSave && m_bEditorDirty) SaveEditorLink(false);
    const int mark = m_listLinks.GetSelectionMark();
    const long long row = m_list.NextSelected(mark, next);
    if (row < 0 || row == mark) return;
    m_listLinks.SetSelectionMark(static_cast<int>(row));
    ShowSelectedLink(false);
    m_listLinks.EnsureVisible(static_cast<int>(row));
    UpdatePrevNextButtons(static_cast<int>(row));
}

void CLinksDlg::AddSearchTerm() {
    if (m_history.Add(m_comboSearch.GetWindowText()))
        m_comboSearch.AddString(m_history.Terms().back().c_str());
}

void CLinksDlg::LoadSearchTerms() {
    m_history.Load(m_profile);
    for (const std::string& term : m_history.Terms()) m_comboSearch.AddString(term.c_str());
}

void CLinksDlg::SaveSearchTerms() {
    m_history.Save(m_profile);
}

void CLinksDlg::ClearSearchTerms() {
    m_history.Erase(m_profile);
    m_comboSearch.ResetContent();
}
