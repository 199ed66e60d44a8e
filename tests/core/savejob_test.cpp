// The automatic save's period and when its timer starts, stops or restarts.
#include <gtest/gtest.h>

#include "app/SaveJob.h"

TEST(AutoSave, PeriodIsTenMinutesPerIndexStep) {
    EXPECT_EQ(600000u, AutoSaveInterval(0));
    EXPECT_EQ(1800000u, AutoSaveInterval(2));
    EXPECT_EQ(3600000u, AutoSaveInterval(5));
    // A corrupt stored index stays within the choices rather than making a huge or zero period.
    EXPECT_EQ(600000u, AutoSaveInterval(-7));
    EXPECT_EQ(3600000u, AutoSaveInterval(1000));
}

TEST(AutoSave, TimerFollowsTheOptionAndTheInterval) {
    EXPECT_EQ(ETimerChange::stop, AutoSaveTimerChange(true, 2, false, 2));
    EXPECT_EQ(ETimerChange::start, AutoSaveTimerChange(false, 2, true, 4));
    EXPECT_EQ(ETimerChange::restart, AutoSaveTimerChange(true, 2, true, 3));
    EXPECT_EQ(ETimerChange::none, AutoSaveTimerChange(true, 2, true, 2));
    EXPECT_EQ(ETimerChange::none, AutoSaveTimerChange(false, 1, false, 5));
}

TEST(AutoSave, JobWritesOnlyWhenArmedAndEnabled) {
    int writes = 0;
    CSaveJob job;
    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    EXPECT_EQ(0, writes);
    job.Arm([&writes] { ++writes; }, false);
    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    EXPECT_EQ(0, writes);
    job.Arm([&writes] { ++writes; }, true);
    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    EXPECT_EQ(1, writes);
    EXPECT_TRUE(job.IsIdle());
}
