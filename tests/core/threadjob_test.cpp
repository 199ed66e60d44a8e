#include <gtest/gtest.h>

#include <algorithm>
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

#include "framework/ThreadJobPool.h"

namespace {

// How long a test waits for something that happens at once unless the code under test is
// broken: such a test then fails instead of hanging.
constexpr auto kPatience = std::chrono::seconds(10);

// What the probe jobs did, as seen from their threads: how often each event happened ("job1
// began", "job1 done"; "job1 open" lets one more run of job1 past its gate; "most at work").
class CJournal {
public:
    void Note(const std::string& event, int activeChange = 0) {
        std::lock_guard<std::mutex> guard(m_mutex);
        ++m_counts[event];
        m_nActive += activeChange;
        m_counts["most at work"] = std::max(m_counts["most at work"], m_nActive);
        m_changed.notify_all();
    }
    bool WaitFor(const std::string& event, int count = 1,
                 std::chrono::milliseconds patience = kPatience) {
        std::unique_lock<std::mutex> guard(m_mutex);
        return m_changed.wait_for(guard, patience, [&] { return m_counts[event] >= count; });
    }
    int Count(const std::string& event) {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_counts[event];
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<std::string, int> m_counts;
    int m_nActive = 0;
};

// A job whose work waits at its gate until the test opens it, or runs until it is asked to
// stop, or throws.
class CProbeJob final : public CPoolJob {
public:
    enum class Mode { kWaitForGate, kWaitForStop, kThrow };

    CProbeJob(CJournal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    ~CProbeJob() override { Shutdown(); }
    void Open() { m_journal.Note(m_name + " open"); }

    Mode m_mode = Mode::kWaitForGate;
    int m_nReturn = 0;

protected:
    int Run() override {
        m_journal.Note(m_name + " began", +1);
        if (m_mode == Mode::kWaitForGate)
            m_journal.WaitFor(m_name + " open", m_journal.Count(m_name + " began"));
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (m_mode == Mode::kWaitForStop && !IsStopping() &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();  // busy, as a long search is
        m_journal.Note(m_name + " ended", -1);
        if (m_mode == Mode::kThrow) throw std::runtime_error("work failed");
        return m_nReturn;
    }
    void OnWorkDone() override {
        CPoolJob::OnWorkDone();
        m_journal.Note(m_name + " done");
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
    // Hands out an idle job of the pool and starts it, its gate opened for this run or not.
    CPoolJob* StartFrom(CThreadJobPool& pool, bool open) {
        CPoolJob* job = pool.GetIdleJob();
        EXPECT_NE(job, nullptr);
        if (!job) return nullptr;
        if (open) Probe(job)->Open();
        EXPECT_TRUE(job->Start(nullptr, 0));
        return job;
    }

    CJournal m_journal;
    int m_nCreated = 0;
};

TEST_F(ThreadJobTest, JobsStartedWhileOneRunsWaitBusyAndRunOneAtATime) {
    CProbeJob first(m_journal, "first");
    CProbeJob second(m_journal, "second");
    CProbeJob third(m_journal, "third");
    second.m_nReturn = 7;
    EXPECT_TRUE(second.IsIdle());
    ASSERT_TRUE(first.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("first began"));
    second.Open();
    third.Open();
    ASSERT_TRUE(second.Start(nullptr, 0));
    ASSERT_TRUE(third.Start(nullptr, 0));
    EXPECT_FALSE(second.IsIdle()) << "a waiting job is busy";
    EXPECT_FALSE(second.Start(nullptr, 0));
    // A job that does not wait for the lock would begin within the moment given here.
    EXPECT_FALSE(m_journal.WaitFor("second began", 1, std::chrono::milliseconds(100)));
    EXPECT_EQ(m_journal.Count("third began"), 0);

    first.Open();
    ASSERT_TRUE(m_journal.WaitFor("second done"));
    ASSERT_TRUE(m_journal.WaitFor("third done"));
    EXPECT_EQ(m_journal.Count("most at work"), 1);
    EXPECT_EQ(m_journal.Count("second began") + m_journal.Count("third began"), 2);
    EXPECT_TRUE(second.IsIdle());
    EXPECT_FALSE(second.IsWorking());
    EXPECT_EQ(second.GetResult(), 7);
    second.Open();  // idle again, it can be started again
    ASSERT_TRUE(second.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("second done", 2));
    EXPECT_EQ(m_journal.Count("second began"), 2);
}

TEST_F(ThreadJobTest, ShutdownStopsARunningJobAndWaitsForItsResult) {
    CProbeJob job(m_journal, "job");
    job.m_mode = CProbeJob::Mode::kWaitForStop;
    job.m_nReturn = 3;
    ASSERT_TRUE(job.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("job began"));
    job.Shutdown();
    EXPECT_FALSE(job.IsWorking());
    EXPECT_EQ(job.GetResult(), 3);
}

TEST_F(ThreadJobTest, WorkEndingInAnExceptionReleasesTheJobLock) {
    CProbeJob failing(m_journal, "failing");
    failing.m_mode = CProbeJob::Mode::kThrow;
    CProbeJob next(m_journal, "next");
    next.Open();
    ASSERT_TRUE(failing.Start(nullptr, 0));
    failing.Wait();
    EXPECT_EQ(failing.GetResult(), CThreadJob::kRunFailed);
    EXPECT_TRUE(failing.IsIdle());

    ASSERT_TRUE(next.Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("next done"));
    EXPECT_EQ(m_journal.Count("next began"), 1);
}

TEST_F(ThreadJobTest, PoolNeverHandsOutAJobThatIsStartedButNotYetRunning) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(pool->GetIdleJob(), running) << "a job handed out but not started is still idle";
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));

    CPoolJob* pending = StartFrom(*pool, false);
    EXPECT_NE(pending, running);
    CPoolJob* third = pool->GetIdleJob();
    EXPECT_NE(third, pending);
    EXPECT_NE(third, running);
    EXPECT_EQ(pool->GetCount(), 3u);

    Probe(running)->Open();
    Probe(pending)->Open();
    ASSERT_TRUE(m_journal.WaitFor("job2 done"));
}

TEST_F(ThreadJobTest, PoolGrowsOnlyToTheLargestNumberBusyAtOnceAndReusesIdleJobs) {
    auto pool = MakePool();
    // One job after another: the first job serves them all.
    for (int i = 1; i <= 3; ++i) {
        StartFrom(*pool, true);
        ASSERT_TRUE(m_journal.WaitFor("job1 done", i));
    }
    EXPECT_EQ(pool->GetCount(), 1u);

    CPoolJob* first = StartFrom(*pool, false);
    CPoolJob* second = StartFrom(*pool, true);  // two busy at once
    EXPECT_EQ(pool->GetCount(), 2u);
    Probe(first)->Open();
    ASSERT_TRUE(m_journal.WaitFor("job1 done", 4));
    ASSERT_TRUE(m_journal.WaitFor("job2 done"));
    EXPECT_NE(first, second);

    // Idle again: the first job in the pool is handed out, and the pool does not grow.
    for (int i = 5; i <= 7; ++i) {
        EXPECT_EQ(StartFrom(*pool, true), first);
        ASSERT_TRUE(m_journal.WaitFor("job1 done", i));
    }
    EXPECT_EQ(pool->GetCount(), 2u);
}

TEST_F(ThreadJobTest, PoolHandsOutNothingWhenNoJobCanBeCreated) {
    CThreadJobPool failing([]() -> std::unique_ptr<CPoolJob> { throw std::bad_alloc(); });
    CThreadJobPool empty([] { return std::unique_ptr<CPoolJob>(); });
    for (CThreadJobPool* pool : {&failing, &empty}) {
        EXPECT_EQ(pool->GetIdleJob(), nullptr);
        EXPECT_EQ(pool->GetCount(), 0u);
    }
}

// Closing the program with a job waiting for the job lock must neither free the job under its
// thread nor wait for work that nobody wants any more.
TEST_F(ThreadJobTest, DestroyingAPoolLetsWaitingJobsLeaveWithoutRunning) {
    auto pool = MakePool();
    CPoolJob* running = StartFrom(*pool, false);
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));
    StartFrom(*pool, true);

    std::thread closing([&] { pool.reset(); });
    // The waiting job leaves while the running one still holds the job lock.
    EXPECT_TRUE(m_journal.WaitFor("job2 done"));
    Probe(running)->Open();
    closing.join();
    EXPECT_EQ(m_journal.Count("job1 began"), 1);
    EXPECT_EQ(m_journal.Count("job2 began"), 0);
}

// The running job returns as soon as it is asked to stop; the waiting job must not take the
// lock in the moment between the two stop requests.
TEST_F(ThreadJobTest, DestroyingAPoolStopsAllJobsBeforeTheRunningOneReturns) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    Probe(running)->m_mode = CProbeJob::Mode::kWaitForStop;
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));
    for (int i = 0; i < 4; ++i) StartFrom(*pool, true);
    pool.reset();
    EXPECT_EQ(m_journal.Count("job1 began"), 1);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(m_journal.Count("job" + std::to_string(i) + " began"), 0);
}

}  // namespace
