#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/ThreadJobPool.h"

namespace {

// How long a test waits for something that happens at once unless the code under test is
// broken: such a test then fails instead of hanging.
constexpr auto kPatience = std::chrono::seconds(10);

// A gate that threads wait at until it is opened; it stays open until it is closed again.
class CGate {
public:
    // Notifies while holding the mutex: the waiting job may be freed as soon as it passes.
    void Open() {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_bOpen = true;
        m_changed.notify_all();
    }
    void Close() {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_bOpen = false;
    }
    void Wait() {
        std::unique_lock<std::mutex> guard(m_mutex);
        m_changed.wait_for(guard, kPatience, [this] { return m_bOpen; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bOpen = false;
};

// What the probe jobs did, as seen from their threads.
class CJournal {
public:
    void Begin(const std::string& name) {
        Change([&] {
            ++m_begun[name];
            if (++m_nActive > m_nMaxActive) m_nMaxActive = m_nActive;
        });
    }
    void End() {
        Change([&] { --m_nActive; });
    }
    void Done(const std::string& name) {
        Change([&] { ++m_done[name]; });
    }

    bool WaitBegun(const std::string& name, int count = 1) { return WaitFor(m_begun, name, count); }
    // True once the job's thread has finished with it `count` times in all.
    bool WaitDone(const std::string& name, int count = 1) { return WaitFor(m_done, name, count); }
    int Begun(const std::string& name) {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_begun[name];
    }
    int MaxActive() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_nMaxActive;
    }

private:
    template <class F>
    void Change(F change) {
        std::lock_guard<std::mutex> guard(m_mutex);
        change();
        m_changed.notify_all();
    }
    bool WaitFor(std::map<std::string, int>& counts, const std::string& name, int count) {
        std::unique_lock<std::mutex> guard(m_mutex);
        return m_changed.wait_for(guard, kPatience, [&] { return counts[name] >= count; });
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<std::string, int> m_begun;
    std::map<std::string, int> m_done;
    int m_nActive = 0;
    int m_nMaxActive = 0;
};

// A job whose work is held at its gate until the test opens it.
class CProbeJob final : public CPoolJob {
public:
    enum class Mode { kWaitForGate, kWaitForStop, kThrow };

    CProbeJob(CJournal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    ~CProbeJob() override { Shutdown(); }

    CGate m_gate;
    Mode m_mode = Mode::kWaitForGate;
    int m_nReturn = 0;

protected:
    int Run() override {
        m_journal.Begin(m_name);
        if (m_mode == Mode::kWaitForGate) m_gate.Wait();
        // Busy until the stop request, as a long search is.
        if (m_mode == Mode::kWaitForStop) {
            const auto deadline = std::chrono::steady_clock::now() + kPatience;
            while (!IsStopping() && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::yield();
            }
        }
        m_journal.End();
        if (m_mode == Mode::kThrow) throw std::runtime_error("work failed");
        return m_nReturn;
    }
    void OnWorkDone() override {
        CPoolJob::OnWorkDone();
        m_journal.Done(m_name);
    }

private:
    CJournal& m_journal;
    std::string m_name;
};

class ThreadJobTest : public ::testing::Test {
protected:
    // A pool of probe jobs named job1, job2, ... in the order of their creation.
    std::unique_ptr<CThreadJobPool> MakePool() {
        return std::make_unique<CThreadJobPool>([this] {
            return std::make_unique<CProbeJob>(m_journal, "job" + std::to_string(++m_nCreated));
        });
    }
    static CProbeJob* Probe(CPoolJob* job) { return static_cast<CProbeJob*>(job); }

    CJournal m_journal;
    int m_nCreated = 0;
};

TEST_F(ThreadJobTest, JobsStartedWhileOneRunsWaitAndRunOneAtATime) {
    CProbeJob first(m_journal, "first");
    CProbeJob second(m_journal, "second");
    CProbeJob third(m_journal, "third");
    ASSERT_TRUE(first.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("first"));
    second.m_gate.Open();
    third.m_gate.Open();
    ASSERT_TRUE(second.Start(nullptr, 0));
    ASSERT_TRUE(third.Start(nullptr, 0));
    EXPECT_EQ(m_journal.Begun("second") + m_journal.Begun("third"), 0);

    first.m_gate.Open();
    ASSERT_TRUE(m_journal.WaitDone("second"));
    ASSERT_TRUE(m_journal.WaitDone("third"));
    EXPECT_EQ(m_journal.MaxActive(), 1);
    EXPECT_EQ(m_journal.Begun("second") + m_journal.Begun("third"), 2);
}

TEST_F(ThreadJobTest, AJobIsBusyFromStartUntilItsWorkHasReturned) {
    CProbeJob running(m_journal, "running");
    CProbeJob job(m_journal, "job");
    job.m_nReturn = 7;
    EXPECT_TRUE(job.IsIdle());
    ASSERT_TRUE(running.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("running"));
    ASSERT_TRUE(job.Start(nullptr, 0));
    EXPECT_FALSE(job.IsIdle()) << "pending";
    running.m_gate.Open();
    ASSERT_TRUE(m_journal.WaitBegun("job"));
    EXPECT_FALSE(job.IsIdle()) << "running";
    EXPECT_FALSE(job.Start(nullptr, 0));

    job.m_gate.Open();
    ASSERT_TRUE(m_journal.WaitDone("job"));
    EXPECT_TRUE(job.IsIdle());
    EXPECT_FALSE(job.IsWorking());
    EXPECT_EQ(job.GetResult(), 7);
    ASSERT_TRUE(job.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitDone("job", 2));
    EXPECT_EQ(m_journal.Begun("job"), 2);
}

TEST_F(ThreadJobTest, AJobStoppedWhileWaitingLeavesAtOnceWithoutRunning) {
    CProbeJob running(m_journal, "running");
    CProbeJob waiting(m_journal, "waiting");
    waiting.m_nReturn = 5;
    ASSERT_TRUE(running.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("running"));
    ASSERT_TRUE(waiting.Start(nullptr, 0));

    waiting.SetStop(true);
    // Returns while the running job still holds the job lock.
    ASSERT_TRUE(m_journal.WaitDone("waiting"));
    EXPECT_TRUE(waiting.IsIdle());
    EXPECT_EQ(waiting.GetResult(), 0);

    running.m_gate.Open();
    running.Wait();
    EXPECT_EQ(m_journal.Begun("waiting"), 0);
}

TEST_F(ThreadJobTest, ShutdownStopsARunningJobAndWaitsForItsResult) {
    CProbeJob job(m_journal, "job");
    job.m_mode = CProbeJob::Mode::kWaitForStop;
    job.m_nReturn = 3;
    ASSERT_TRUE(job.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("job"));
    job.Shutdown();
    EXPECT_FALSE(job.IsWorking());
    EXPECT_EQ(job.GetResult(), 3);
}

// The exception used to leave the job lock held, so that no other job could ever run.
TEST_F(ThreadJobTest, WorkEndingInAnExceptionReleasesTheJobLock) {
    CProbeJob failing(m_journal, "failing");
    failing.m_mode = CProbeJob::Mode::kThrow;
    CProbeJob next(m_journal, "next");
    next.m_gate.Open();
    ASSERT_TRUE(failing.Start(nullptr, 0));
    failing.Wait();
    EXPECT_EQ(failing.GetResult(), CThreadJob::kRunFailed);
    EXPECT_TRUE(failing.IsIdle());

    ASSERT_TRUE(next.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitDone("next"));
    EXPECT_EQ(m_journal.Begun("next"), 1);
}

TEST_F(ThreadJobTest, PoolNeverHandsOutAJobThatIsStartedButNotYetRunning) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(pool->GetIdleJob(), running) << "a job handed out but not started is still idle";
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("job1"));

    CPoolJob* pending = pool->GetIdleJob();
    ASSERT_NE(pending, nullptr);
    EXPECT_NE(pending, running);
    ASSERT_TRUE(pending->Start(nullptr, 0));
    CPoolJob* third = pool->GetIdleJob();
    ASSERT_NE(third, nullptr);
    EXPECT_NE(third, pending);
    EXPECT_NE(third, running);
    EXPECT_EQ(pool->GetCount(), 3u);

    Probe(running)->m_gate.Open();
    Probe(pending)->m_gate.Open();
    ASSERT_TRUE(m_journal.WaitDone("job2"));
}

TEST_F(ThreadJobTest, PoolGrowsOnlyToTheLargestNumberBusyAtOnceAndReusesIdleJobs) {
    auto pool = MakePool();
    // One job after another: the first job serves them all.
    for (int i = 1; i <= 3; ++i) {
        CPoolJob* job = pool->GetIdleJob();
        ASSERT_NE(job, nullptr);
        Probe(job)->m_gate.Open();
        ASSERT_TRUE(job->Start(nullptr, 0));
        ASSERT_TRUE(m_journal.WaitDone("job1", i));
    }
    EXPECT_EQ(pool->GetCount(), 1u);

    // Two busy at once.
    CPoolJob* first = pool->GetIdleJob();
    Probe(first)->m_gate.Close();
    ASSERT_TRUE(first->Start(nullptr, 0));
    CPoolJob* second = pool->GetIdleJob();
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->Start(nullptr, 0));
    EXPECT_EQ(pool->GetCount(), 2u);
    Probe(first)->m_gate.Open();
    Probe(second)->m_gate.Open();
    ASSERT_TRUE(m_journal.WaitDone("job1", 4));
    ASSERT_TRUE(m_journal.WaitDone("job2"));

    // Idle again: the first job in the pool is handed out, and the pool does not grow.
    for (int i = 5; i <= 7; ++i) {
        CPoolJob* job = pool->GetIdleJob();
        EXPECT_EQ(job, first);
        ASSERT_TRUE(job->Start(nullptr, 0));
        ASSERT_TRUE(m_journal.WaitDone("job1", i));
    }
    EXPECT_EQ(pool->GetCount(), 2u);
}

TEST_F(ThreadJobTest, PoolHandsOutNothingWhenNoJobCanBeCreated) {
    CThreadJobPool failing([]() -> std::unique_ptr<CPoolJob> { throw std::bad_alloc(); });
    EXPECT_EQ(failing.GetIdleJob(), nullptr);
    EXPECT_EQ(failing.GetCount(), 0u);
    CThreadJobPool empty([] { return std::unique_ptr<CPoolJob>(); });
    EXPECT_EQ(empty.GetIdleJob(), nullptr);
    EXPECT_EQ(empty.GetCount(), 0u);
}

// Closing the program with a job waiting for the job lock must neither free the job under its
// thread nor wait for work that nobody wants any more.
TEST_F(ThreadJobTest, DestroyingAPoolLetsWaitingJobsLeaveWithoutRunning) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("job1"));
    CPoolJob* waiting = pool->GetIdleJob();
    ASSERT_TRUE(waiting->Start(nullptr, 0));
    Probe(waiting)->m_gate.Open();

    std::thread closing([&] { pool.reset(); });
    // The waiting job leaves while the running one still holds the job lock.
    EXPECT_TRUE(m_journal.WaitDone("job2"));
    Probe(running)->m_gate.Open();
    closing.join();

    EXPECT_EQ(m_journal.Begun("job1"), 1);
    EXPECT_EQ(m_journal.Begun("job2"), 0);
}

// The running job returns as soon as it is asked to stop; the waiting job must not take the
// lock in the moment between the two stop requests.
TEST_F(ThreadJobTest, DestroyingAPoolStopsAllJobsBeforeTheRunningOneReturns) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    Probe(running)->m_mode = CProbeJob::Mode::kWaitForStop;
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitBegun("job1"));
    for (int i = 0; i < 4; ++i) {
        CPoolJob* waiting = pool->GetIdleJob();
        Probe(waiting)->m_gate.Open();
        ASSERT_TRUE(waiting->Start(nullptr, 0));
    }
    pool.reset();

    EXPECT_EQ(m_journal.Begun("job1"), 1);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(m_journal.Begun("job" + std::to_string(i)), 0);
}

}  // namespace
