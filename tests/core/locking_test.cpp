// A job that waits for a lock the window's thread holds must still end when it is stopped.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "framework/PoolJob.h"

namespace {

class CLockingJob final : public CPoolJob {
public:
    explicit CLockingJob(std::recursive_timed_mutex& lock) : m_lock(lock) {}
    ~CLockingJob() override { Shutdown(); }

    std::atomic<bool> m_bWaiting{false};
    std::atomic<bool> m_bGotLock{false};

protected:
    int Run() override {
        m_bWaiting = true;
        if (!LockUnlessStopped(m_lock)) return 1;
        m_bGotLock = true;
        m_lock.unlock();
        return 2;
    }

private:
    std::recursive_timed_mutex& m_lock;
};

}  // namespace

// Seen: a timed save waited for the list lock while a message box on the window's thread held it;
// the end of the session then waited for the save, and log-off hung.
TEST(Locking, AJobWaitingForAHeldLockLeavesWhenStopped) {
    std::recursive_timed_mutex lock;
    lock.lock();
    CLockingJob job(lock);
    ASSERT_TRUE(job.Start(nullptr, 0));
    while (!job.m_bWaiting) std::this_thread::yield();
    job.Shutdown();  // returns only once the job's thread has ended
    EXPECT_EQ(1, job.GetResult());
    EXPECT_FALSE(job.m_bGotLock);
    lock.unlock();

    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    EXPECT_EQ(2, job.GetResult());
    EXPECT_TRUE(job.m_bGotLock);
}
