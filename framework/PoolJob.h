// CPoolJob: a job that a pool hands out again and again; it knows whether it may be handed out.
#pragma once

#include <atomic>

#include "framework/ThreadJob.h"

class CPoolJob : public CThreadJob {
public:
    // True when the job may be handed out and started: from construction, and again once its
    // thread has finished the work of the last start (or skipped it after a stop request).
    bool IsIdle() const { return m_bIdle != 0; }

protected:
    void OnWorkPending() override;
    void OnWorkDone() override;

private:
    // Cleared by Start on the owning thread, set by the worker thread as its last use of the job.
    std::atomic<int> m_bIdle{1};
};
