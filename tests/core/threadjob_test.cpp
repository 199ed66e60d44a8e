// Worker-thread jobs: one at a time under the job lock, stopped and waited for at shutdown, and
// the pool that hands them out.
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

#include "framework/ThreadJobPool.h"

namespace {

// How long a test waits for what happens at once unless the code is broken: it fails, not hangs.
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

// A job whose work waits at its gate until the test opens it (and then throws, if so set), or
// runs until it is asked to stop.
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
        if (m_mode != Mode::kWaitForStop)
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
    // Hands out an idle job of the pool and starts it, its gate opened for this run or not.
    CProbeJob* StartFrom(CThreadJobPool& pool, bool open) {
        auto* job = static_cast<CProbeJob*>(pool.GetIdleJob());
        if (job && open) job->Open();
        EXPECT_TRUE(job && job->Start(nullptr, 0));
        return job;
    }

    CJournal m_journal;
    int m_nCreated = 0;
};

}  // namespace

// The first job's work ends in an exception, which must release the job lock as well.
TEST_F(ThreadJobTest, JobsStartedWhileOneRunsWaitBusyAndRunOneAtATime) {
    CProbeJob first(m_journal, "first"), second(m_journal, "second"), third(m_journal, "third");
    first.m_mode = CProbeJob::Mode::kThrow;
    second.m_nReturn = 7;
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
    for (const char* done : {"first done", "second done", "third done"})
        ASSERT_TRUE(m_journal.WaitFor(done));
    EXPECT_EQ(m_journal.Count("most at work"), 1);
    EXPECT_TRUE(first.IsIdle() && second.IsIdle());
    EXPECT_EQ(first.GetResult(), CThreadJob::kRunFailed);
    EXPECT_EQ(second.GetResult(), 7);
}

TEST_F(ThreadJobTest, PoolNeverHandsOutAJobThatIsStartedButNotYetRunning) {
    auto pool = MakePool();
    CPoolJob* running = pool->GetIdleJob();
    EXPECT_EQ(pool->GetIdleJob(), running) << "a job handed out but not started is still idle";
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));
    CProbeJob* pending = StartFrom(*pool, false);
    CPoolJob* third = pool->GetIdleJob();
    EXPECT_TRUE(pending != running && third != pending && third != running);
    static_cast<CProbeJob*>(running)->Open();
    pending->Open();
    ASSERT_TRUE(m_journal.WaitFor("job1 done") && m_journal.WaitFor("job2 done"));
    // Idle again, the first job is handed out: the pool does not grow.
    EXPECT_EQ(pool->GetIdleJob(), running);
    EXPECT_EQ(pool->GetCount(), 3u);
    CThreadJobPool failing([]() -> std::unique_ptr<CPoolJob> { throw std::bad_alloc(); });
    EXPECT_EQ(failing.GetIdleJob(), nullptr);
}

// Closing the program with a job waiting for the job lock must neither free the job under its
// thread nor wait for work that nobody wants any more.
TEST_F(ThreadJobTest, DestroyingAPoolLetsWaitingJobsLeaveWithoutRunning) {
    auto pool = MakePool();
    CProbeJob* running = StartFrom(*pool, false);
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));
    StartFrom(*pool, true);
    std::thread closing([&] { pool.reset(); });
    // The waiting job leaves while the running one still holds the job lock.
    EXPECT_TRUE(m_journal.WaitFor("job2 done"));
    running->Open();
    closing.join();
    EXPECT_EQ(m_journal.Count("job1 began"), 1);
    EXPECT_EQ(m_journal.Count("job2 began"), 0);
}

// The running job returns as soon as it is asked to stop; the waiting job must not take the
// lock in the moment between the two stop requests.
TEST_F(ThreadJobTest, DestroyingAPoolStopsAllJobsBeforeTheRunningOneReturns) {
    auto pool = MakePool();
    auto* running = static_cast<CProbeJob*>(pool->GetIdleJob());
    running->m_mode = CProbeJob::Mode::kWaitForStop;
    ASSERT_TRUE(running->Start(nullptr, 0));
    ASSERT_TRUE(m_journal.WaitFor("job1 began"));
    for (int i = 0; i < 4; ++i) StartFrom(*pool, true);
    pool.reset();
    EXPECT_EQ(m_journal.Count("job1 began"), 1);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(m_journal.Count("job" + std::to_string(i) + " began"), 0);
}
