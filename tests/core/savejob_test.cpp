// The automatic save's period and its job.
#include <gtest/gtest.h>

#include "app/SaveJob.h"

TEST(AutoSave, PeriodIsTenMinutesPerIndexStepAndACorruptIndexStaysWithinTheChoices) {
    const std::pair<int, unsigned> cases[] = {
        {0, 600000}, {2, 1800000}, {5, 3600000}, {-7, 600000}, {1000, 3600000}};
    for (const auto& [index, period] : cases) EXPECT_EQ(period, AutoSaveInterval(index)) << index;
}

TEST(AutoSave, JobWritesOnlyWhenArmedAndEnabled) {
    int writes = 0;
    CSaveJob job;
    for (const bool enabled : {false, true}) {
        ASSERT_TRUE(job.Start(nullptr, 0));
        job.Wait();
        EXPECT_EQ(0, writes);
        job.Arm([&writes] { ++writes; }, enabled);
    }
    ASSERT_TRUE(job.Start(nullptr, 0));
    job.Wait();
    EXPECT_EQ(1, writes);
}
