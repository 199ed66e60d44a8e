// CSearchJob: one run of the interruptible incremental search on a worker thread. The window
// fills in the term and the options before starting it; the work (matching the rows under the
// list lock and handing the result over) is the function the job was made with, so that a later
// keystroke can stop it through the job's stop request.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "app/PoolJob.h"

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
    unsigned m_nGeneration = 0;

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
