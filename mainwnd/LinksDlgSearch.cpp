// CLinksDlg: the incremental search over the list, Previous and Next, and the history of terms.
// A search job matches on the model under the list lock and hands the matching rows to the
// window's thread, which selects them in one bulk change: the job never touches the list view.
#include <memory>

#include "mainwnd/LinksDlg.h"
#include "res/resource.h"
#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"
#include "store/TextTrim.h"

namespace {

constexpr UINT allRowStates = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED;
constexpr int termCount = 10;
const char* const searchingSection = "Searching";

std::string TermKey(int i) {
    return "Term" + std::to_string(i);
}

}  // namespace

// The result a search job hands over.
struct CSearchOutcome {
    unsigned generation;
    std::vector<size_t> rows;
};

unsigned CLinksDlg::SearchFields() const {
    unsigned fields = 0;
    if (m_settings.m_bSearchTitle) fields |= searchTitle;
    if (m_settings.m_bSearchDescription) fields |= searchDescription;
    if (m_settings.m_bSearchCategory) fields |= searchCategory;
    if (m_settings.m_bSearchLink) fields |= searchLink;
    return fields;
}

bool CLinksDlg::FindMatches(const std::string& term, unsigned fields, bool allowTypos,
                            int separation, std::vector<size_t>& rows,
                            const std::atomic<bool>* stop) {
    CSingleLock lock(m_listLock);
    std::unique_ptr<CTextMatcher> matcher;
    if (allowTypos)
        matcher = std::make_unique<CTypoMatcher>(separation, false);
    else
        matcher = std::make_unique<CExactMatcher>(false);
    return SearchLinks(m_list, *matcher, term, fields, rows, stop);
}

void CLinksDlg::RunSearch() {
    if (m_settings.m_bMoveSave && m_bEditorDirty) SaveEditorLink(false);
    std::vector<size_t> rows;
    FindMatches(m_comboSearch.GetWindowText(), SearchFields(), m_settings.m_bAllowTypos != 0,
                m_settings.m_nSeparation, rows, nullptr);
    ApplySearch(rows);
}

void CLinksDlg::StartSearchJob() {
    if (m_pSearchJob) m_pSearchJob->SetStop(true);
    if (!m_searchJobs) return;
    auto* job = static_cast<CSearchJob*>(m_searchJobs->GetIdleJob());
    if (!job) return;
    if (m_settings.m_bMoveSave && m_bEditorDirty) SaveEditorLink(false);
    job->m_strTerm = m_comboSearch.GetWindowText();
    job->m_nFields = SearchFields();
    job->m_bAllowTypos = m_settings.m_bAllowTypos != 0;
    job->m_nSeparation = m_settings.m_nSeparation;
    job->m_nGeneration = ++m_nSearchGeneration;
    m_pSearchJob = job;
    m_bSearching = true;
    if (!job->Start(m_hWnd, 0)) {
        m_pSearchJob = nullptr;
        m_bSearching = false;
    }
}

void CLinksDlg::SearchWork(CSearchJob& job) {
    auto outcome = std::make_unique<CSearchOutcome>();
    outcome->generation = job.m_nGeneration;
    if (!FindMatches(job.m_strTerm, job.m_nFields, job.m_bAllowTypos, job.m_nSeparation,
                     outcome->rows, &job.StopFlag()) ||
        job.IsStopping())
        return;
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
    ApplySearch(outcome->rows);
}

void CLinksDlg::DiscardSearchOutcome(LPARAM outcome) {
    delete reinterpret_cast<CSearchOutcome*>(outcome);
}

void CLinksDlg::ApplySearch(const std::vector<size_t>& rows) {
    LockListUpdate(true);
    m_btnPrevious.EnableWindow(false);
    m_btnNext.EnableWindow(false);
    const size_t count = m_list.GetCount();
    if (rows.size() == count && count > 0) {
        m_listLinks.SetItemState(-1, LVIS_SELECTED, allRowStates);
    } else {
        ResetRows();
        for (size_t row : rows)
            if (row < count)
                m_listLinks.SetItemState(static_cast<int>(row), LVIS_SELECTED, allRowStates);
    }
    if (rows.empty()) {
        ClearEditor(false);
        UpdateSelectedCount();
    } else {
        const int ref = static_cast<int>(m_settings.m_bPositionOnLast ? rows.back() : rows.front());
        m_listLinks.SetSelectionMark(ref);
        ShowSelectedLink(false);
        m_listLinks.EnsureVisible(ref);
        UpdatePrevNextButtons(ref);
    }
    LockListUpdate(false);
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
    const int row = m_listLinks.GetNextItem(mark, LVNI_SELECTED | (next ? LVNI_BELOW : LVNI_ABOVE));
    if (row < 0 || row == mark) return;
    m_listLinks.SetSelectionMark(row);
    ShowSelectedLink(false);
    m_listLinks.EnsureVisible(row);
    UpdatePrevNextButtons(row);
}

void CLinksDlg::AddSearchTerm() {
    const std::string term = TrimText(m_comboSearch.GetWindowText());
    if (term.empty() || m_comboSearch.FindStringExact(-1, term.c_str()) >= 0) return;
    m_comboSearch.AddString(term.c_str());
}

void CLinksDlg::LoadSearchTerms() {
    for (int i = 0; i < termCount; ++i) {
        const std::string term = m_profile.GetString(searchingSection, TermKey(i), "");
        if (term.empty()) break;
        m_comboSearch.AddString(term.c_str());
    }
}

void CLinksDlg::SaveSearchTerms() {
    const int count = m_comboSearch.GetCount();
    const int first = count > termCount ? count - termCount : 0;
    for (int k = 0; first + k < count; ++k)
        m_profile.WriteString(searchingSection, TermKey(k), m_comboSearch.GetLBText(first + k));
}

void CLinksDlg::ClearSearchTerms() {
    m_comboSearch.ResetContent();
    for (int i = 0; i < termCount; ++i) m_profile.WriteString(searchingSection, TermKey(i), "");
}
