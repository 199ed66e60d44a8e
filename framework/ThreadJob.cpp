// CThreadJob: the worker thread of a job and the process-wide job lock.
#include "framework/ThreadJob.h"

#include <condition_variable>
#include <system_error>

namespace {

// The job lock. It is a flag guarded by a mutex rather than a plain mutex so that a waiting job
// can also be woken by a stop request: a job that is stopped while it waits leaves without ever
// holding the lock. Waiting jobs take it in whatever order they are woken.
struct JobLock {
    std::mutex mutex;
    std::condition_variable changed;  // the lock was released or a stop was requested
    bool held = false;
};

JobLock& TheJobLock() {
    // Created on first use and never destroyed, so that no order of destruction at exit can take
    // it away from a job that is still being shut down.
    static JobLock* const lock = new JobLock;
    return *lock;
}

}  // namespace

std::mutex& CThreadJob::JobLockMutex() {
    return TheJobLock().mutex;
}

void CThreadJob::WakeWaitingJobs() {
    TheJobLock().changed.notify_all();
}

CThreadJob::~CThreadJob() {
    Shutdown();
}

bool CThreadJob::Start(void* owner, int param) {
    if (m_bWorking) return false;
    // The previous thread has finished with the job; it only has to end.
    Wait();
    m_hOwner = owner;
    m_nParam = param;
    m_bStop = false;
    m_nResult = 0;
    m_bWorking = true;
    OnWorkPending();
    try {
        m_thread = std::thread(&CThreadJob::ThreadProc, this);
    } catch (const std::system_error&) {
        m_bWorking = false;
        OnWorkDone();
        return false;
    }
    return true;
}

void CThreadJob::SetStop(bool stop) {
    {
        std::lock_guard<std::mutex> guard(JobLockMutex());
        m_bStop = stop;
    }
    if (stop) WakeWaitingJobs();
}

void CThreadJob::Wait() {
    if (m_thread.joinable()) m_thread.join();
}

void CThreadJob::Shutdown() {
    if (!m_thread.joinable()) return;
    SetStop(true);
    Wait();
}

void CThreadJob::ThreadProc() {
    JobLock& lock = TheJobLock();
    bool run = false;
    {
        std::unique_lock<std::mutex> guard(lock.mutex);
        lock.changed.wait(guard, [&] { return !lock.held || m_bStop; });
        // A stop requested before the work began skips the work: nobody wants its result.
        run = !m_bStop;
        if (run) lock.held = true;
    }
    if (run) {
        try {
            m_nResult = Run();
        } catch (...) {
            // An exception must not end the process nor keep the job lock for ever.
            m_nResult = kRunFailed;
        }
        {
            std::lock_guard<std::mutex> guard(lock.mutex);
            lock.held = false;
        }
        lock.changed.notify_all();
    }
    // Cleared before OnWorkDone, so that a job that looks idle can always be started again.
    m_bWorking = false;
    OnWorkDone();
}
