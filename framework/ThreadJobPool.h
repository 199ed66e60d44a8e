// CThreadJobPool: owns the jobs of one kind and hands out an idle one for each piece of work,
// creating a job only when all are busy, so that it holds as many jobs as were ever busy at once.
// Used from the owning thread only (the user-interface thread).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "framework/PoolJob.h"

class CThreadJobPool {
public:
    // Creates a job of the pool's kind; may return null or throw std::bad_alloc.
    using JobFactory = std::function<std::unique_ptr<CPoolJob>()>;

    explicit CThreadJobPool(JobFactory createJob);
    // Stops every job in one step (see CThreadJob::SetStopAll), waits for the one whose work is
    // running and for the waiting ones to leave, then frees them: none of the waiting jobs begins
    // its work once the destruction has begun.
    ~CThreadJobPool();
    CThreadJobPool(const CThreadJobPool&) = delete;
    CThreadJobPool& operator=(const CThreadJobPool&) = delete;

    // Returns the first idle job, or a new one appended to the pool; null when no job could be
    // created. Start the job before asking for another: it counts as busy from its Start until
    // its work has returned, and only then can it be handed out again.
    CPoolJob* GetIdleJob();
    // Requests a stop of every job in one step.
    void SetStopAll();

    std::size_t GetCount() const { return m_jobs.size(); }

private:
    JobFactory m_createJob;
    std::vector<std::unique_ptr<CPoolJob>> m_jobs;
};
