// CSearchJob: one run of the interruptible incremental search on a worker thread. The window
// fills in the term, the options and an empty outcome before starting it; the work (matching the
// rows under the list lock and handing the outcome over) is the function the job was made with,
// so that a later keystroke can stop it through the job's stop request.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/PoolJob.h"

// What a search job hands back to the window, whatever became of it.
struct CSearchOutcome {
    enum EState { found, stopped, failed };
    unsigned generation = 0;
    EState state = stopped;
    std::vector<std::size_t> rows;  // found: the matching rows, ascending
};

class CSearchJob final : public CPoolJob {
public:
    using Work = std::function<void(CSearchJob& job)>;

    explicit CSearchJob(Work work) : m_work(std::move(work)) {}
    ~CSearchJob() override { Shutdown(); }

    // The search this job runs; set while it is idle.
    std::string m_strTerm;
    unsigned m_nFields = 0;
    bool m_bAllowTypos = false;
    int m_nSeparation = 2;
    // Made by the window's thread, so that the work never fails to have one to hand back.
    std::unique_ptr<CSearchOutcome> m_pOutcome;

    // For the work: whether a stop was asked for, as a flag the search can poll.
    const std::atomic<bool>& StopFlag() const { return GetStopFlag(); }

protected:
    int Run() override {
        m_work(*this);
        return 0;
    }

private:
    Work m_work;
};
