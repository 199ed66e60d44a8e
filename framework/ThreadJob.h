// CThreadJob: one piece of work that leaves the user-interface thread. Each Start creates a worker
// thread that waits for the process-wide job lock, runs Run() once and ends; the job lock lets
// the work of only one job run at a time.
//
// Lifetime (no job object is freed while its thread can still use it):
// - The job owns its thread. Start joins the thread of the previous start, which by then has
//   finished its work and only has to end; Wait and Shutdown join it explicitly.
// - Shutdown() asks the job to stop and joins its thread. A job still waiting for the job lock
//   leaves at once without running its work, because the wait ends on a stop request as well as
//   on the lock becoming free; a job whose work is running is waited for, and its Run is expected
//   to return soon after IsStopping() turns true.
// - The most derived job class calls Shutdown() in its destructor, while the members that Run uses
//   still exist; the destructor here repeats it only as a last safeguard. A pool shuts down its
//   jobs before it frees them.
//
// Rules for Run (it runs on the worker thread while holding the job lock):
// - Never wait for the user-interface thread: post window messages, never send them, and show no
//   window owned by a window of that thread. The user-interface thread may be inside Shutdown
//   (joining this thread) when Run wants it, and a sent message would then never be answered.
// - Take a lock that the user-interface thread also takes only through LockUnlessStopped: that
//   thread may hold it while it shuts the jobs down, and a job that waited for it unstoppably
//   would then never end.
// - Test IsStopping() during long work and return when it turns true.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class CThreadJob {
public:
    CThreadJob() = default;
    virtual ~CThreadJob();
    CThreadJob(const CThreadJob&) = delete;
    CThreadJob& operator=(const CThreadJob&) = delete;

    // Operations (called by the owning thread, normally the user-interface thread)

    // Starts the work on a new worker thread. `owner` is the owner window's handle (or null) for
    // Run to post to; `param` is kept for Run. Clears the stop request and the result. Returns
    // false when the previous start's work is still pending or running, or when no thread could
    // be created; the job is then unchanged (and idle, for a pool job).
    bool Start(void* owner, int param);
    // Sets or clears the stop request. A job still waiting for the job lock when the request is
    // set leaves without running its work; a running job sees it through IsStopping().
    void SetStop(bool stop);
    // Requests a stop of every job in [first, last) (pointers or smart pointers to jobs) in one
    // step: no job can take the job lock between the first request and the last, so none of them
    // begins its work after this call, even when a running one returns meanwhile.
    template <class Iterator>
    static void SetStopAll(Iterator first, Iterator last);
    // Waits until the thread of the last start has ended; returns at once when there is none.
    // Must not be called from the job's own Run.
    void Wait();
    // SetStop(true) and Wait(): afterwards no thread uses this job.
    void Shutdown();

    // Attributes

    // True from Start until the thread has finished its work (or left without doing it).
    bool IsWorking() const { return m_bWorking; }
    bool IsStopping() const { return m_bStop; }
    // What the last Run returned; 0 from Start until then, and when the work was skipped after a
    // stop request.
    int GetResult() const { return m_nResult; }

    // For Run: takes `lock` (anything with try_lock_for), waiting for it only while no stop is
    // requested. Returns false, without the lock, once a stop was requested.
    template <class Lock>
    bool LockUnlessStopped(Lock& lock) const;
    // The value that a Run which ended by an exception leaves as the result.
    static constexpr int kRunFailed = -1;

protected:
    // Overridables

    // The work, on the worker thread while holding the job lock.
    virtual int Run() = 0;
    // Called by Start on the owning thread before the thread is created.
    virtual void OnWorkPending() {}
    // Called as the last use of the job by its thread (after the work, or instead of it after a
    // stop request), and by Start when no thread could be created.
    virtual void OnWorkDone() {}

    void* GetOwner() const { return m_hOwner; }
    // The stop request itself, for work that polls it without a call per step.
    const std::atomic<bool>& GetStopFlag() const { return m_bStop; }
    int GetParam() const { return m_nParam; }

private:
    void ThreadProc();
    static std::mutex& JobLockMutex();
    static void WakeWaitingJobs();

    std::thread m_thread;
    void* m_hOwner = nullptr;
    int m_nParam = 0;
    std::atomic<int> m_nResult{0};
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bWorking{false};
};

template <class Lock>
bool CThreadJob::LockUnlessStopped(Lock& lock) const {
    // The stop request is looked at between short waits: a stop ends the wait within one of them.
    constexpr std::chrono::milliseconds slice(10);
    while (!m_bStop) {
        if (lock.try_lock_for(slice)) return true;
    }
    return false;
}

template <class Iterator>
void CThreadJob::SetStopAll(Iterator first, Iterator last) {
    {
        // A waiting job decides under this mutex whether to take the job lock or to leave, so
        // holding it across all requests makes them one step for every waiting job.
        std::lock_guard<std::mutex> guard(JobLockMutex());
        for (; first != last; ++first) {
            CThreadJob& job = **first;
            job.m_bStop = true;
        }
    }
    WakeWaitingJobs();
}
