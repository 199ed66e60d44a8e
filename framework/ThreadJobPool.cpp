// CThreadJobPool: hands out idle jobs and shuts them all down before freeing them.
#include "framework/ThreadJobPool.h"

#include <new>
#include <utility>

CThreadJobPool::CThreadJobPool(JobFactory createJob) : m_createJob(std::move(createJob)) {}

CThreadJobPool::~CThreadJobPool() {
    // All stop requests first: stopping and joining one job after the other would let a waiting
    // job take the lock (and run) when the running one returns.
    SetStopAll();
    for (auto& job : m_jobs) job->Shutdown();
}

CPoolJob* CThreadJobPool::GetIdleJob() {
    for (auto& job : m_jobs) {
        if (job->IsIdle()) return job.get();
    }
    try {
        std::unique_ptr<CPoolJob> job = m_createJob ? m_createJob() : nullptr;
        if (!job) return nullptr;
        m_jobs.push_back(std::move(job));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return m_jobs.back().get();
}

void CThreadJobPool::SetStopAll() {
    CThreadJob::SetStopAll(m_jobs.begin(), m_jobs.end());
}
