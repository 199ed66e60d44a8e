#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "store/Clock.h"
#include "store/DateTime.h"

namespace {

CCivilTime Civil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CCivilTime{year, month, day, hour, minute, second};
}

CDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CDateTime::FromCivil(Civil(year, month, day, hour, minute, second));
}

// The calendar parts as one comparable text, so that a failure shows both dates.
std::string Text(const CCivilTime& c) {
    char text[48];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    return text;
}

std::string CivilText(const CDateTime& dt) {
    CCivilTime civil;
    return dt.GetCivil(civil) ? Text(civil) : "none";
}

std::string LocalText(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return Text(
        Civil(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec));
}

}  // namespace

TEST(DateTime, DayNumbersCountFromTheEpoch) {
    EXPECT_EQ(46023.0, At(2026, 1, 1).GetValue());
    EXPECT_EQ(46023.5, At(2026, 1, 1, 12).GetValue());
    EXPECT_EQ(0.0, At(1899, 12, 30).GetValue());
    EXPECT_EQ(61.0, At(1900, 3, 1).GetValue());  // 1900 is no leap year
    // Before the epoch the time of day is a positive fraction taken away from the day.
    EXPECT_EQ(-1.25, At(1899, 12, 29, 6).GetValue());
    EXPECT_EQ("1899-12-29 06:00:00", CivilText(CDateTime(-1.25, CDateTime::valid)));
    EXPECT_EQ("2026-01-01 12:00:00", CivilText(CDateTime(46023.5, CDateTime::valid)));
}

TEST(DateTime, CivilRoundTripsOverCenturies) {
    double previous = At(1799, 12, 31).GetValue();
    for (int year = 1800; year <= 2200; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                const CDateTime dt = At(year, month, day, 23, 59, 59);
                if (!dt.IsValid()) continue;  // 31 April and the like
                ASSERT_EQ(previous + 1.0, At(year, month, day).GetValue());
                previous += 1.0;
                ASSERT_EQ(Text(Civil(year, month, day, 23, 59, 59)), CivilText(dt));
            }
    EXPECT_EQ("100-01-01 00:00:00", CivilText(At(100, 1, 1)));
    EXPECT_EQ("9999-12-31 23:59:59", CivilText(At(9999, 12, 31, 23, 59, 59)));
}

TEST(DateTime, ImpossibleDatesAreInvalid) {
    EXPECT_TRUE(At(2024, 2, 29).IsValid());
    for (const CCivilTime& civil :
         {Civil(2026, 4, 31), Civil(2025, 2, 29), Civil(2026, 13, 1), Civil(2026, 0, 1),
          Civil(2026, 1, 0), Civil(2026, 1, 1, 24), Civil(2026, 1, 1, 0, 60), Civil(10000, 1, 1)})
        EXPECT_EQ(CDateTime::invalid, CDateTime::FromCivil(civil).GetStatus()) << Text(civil);
}

TEST(DateTime, GetCivilRoundsToTheNearestSecond) {
    const double second = 1.0 / 86400;
    auto civil = [](double value) { return CivilText(CDateTime(value, CDateTime::valid)); };
    EXPECT_EQ("2026-01-01 12:00:00", civil(46023.5 + 0.4 * second));
    EXPECT_EQ("2026-01-01 12:00:01", civil(46023.5 + 0.6 * second));
    EXPECT_EQ("2026-01-02 00:00:00", civil(46023.0 + 86399.6 * second));
    EXPECT_EQ("1899-12-30 00:00:00", civil(-1.0 - 86399.6 * second));
}

TEST(DateTime, TextForms) {
    EXPECT_EQ("01-Jan-2026  12:00:00 AM", At(2026, 1, 1).FormatLong());
    EXPECT_EQ("01-Jan-2026  12:00:00 PM", At(2026, 1, 1, 12).FormatLong());
    EXPECT_EQ("05-Dec-2026  09:07:03 PM", At(2026, 12, 5, 21, 7, 3).FormatLong());
    EXPECT_EQ("09-Sept-2026  11:59:59 AM", At(2026, 9, 9, 11, 59, 59).FormatLong());
    EXPECT_EQ("31-March-2026  01:00:00 PM", At(2026, 3, 31, 13).FormatLong());
    EXPECT_EQ("Modified: 5-Dec-2026", At(2026, 12, 5, 21).FormatShort());
    EXPECT_EQ("Modified: 30-June-1900", At(1900, 6, 30).FormatShort());
}

TEST(DateTime, NullInvalidZeroAndUnshowableDatesGiveEmptyTexts) {
    for (const CDateTime& dt :
         {CDateTime(46023.0, CDateTime::null), CDateTime(46023.0, CDateTime::invalid),
          CDateTime(46023.0, 7), CDateTime(0.0, CDateTime::valid),
          CDateTime(1.5, CDateTime::valid),  // still 1899
          CDateTime(1e300, CDateTime::valid), CDateTime(-1e300, CDateTime::valid),
          CDateTime(std::nan(""), CDateTime::valid), CDateTime(HUGE_VAL, CDateTime::valid)}) {
        EXPECT_EQ("", dt.FormatLong()) << dt.GetValue() << " status " << dt.GetStatus();
        EXPECT_EQ("", dt.FormatShort()) << dt.GetValue() << " status " << dt.GetStatus();
    }
}

TEST(DateTime, FromTimeTAndTodayUseLocalTime) {
    for (std::time_t t : {std::time_t(0), std::time_t(1767225600), std::time_t(1782918123)})
        EXPECT_EQ(LocalText(t), CivilText(CDateTime::FromTimeT(t)));

    class CFixedClock : public CClock {
    public:
        std::time_t Now() const override { return 1782918123; }
    };
    const CCivilTime today = CFixedClock().Today();
    EXPECT_EQ(LocalText(1782918123).substr(0, 10) + " 00:00:00", Text(today));
}
