// Date-times as day numbers from 30 December 1899, their calendar parts and their text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "store/DateTime.h"

namespace {

CDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CDateTime::FromCivil(CCivilTime{year, month, day, hour, minute, second});
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

}  // namespace

TEST(DateTime, DayNumbersAndCalendarPartsAgree) {
    EXPECT_EQ(61.0, At(1900, 3, 1).GetValue());  // 1900 is no leap year
    // Before the epoch the time of day is a positive fraction taken away from the day; parts are
    // read back to the nearest second.
    EXPECT_EQ(-1.25, At(1899, 12, 29, 6).GetValue());
    EXPECT_EQ("1899-12-29 06:00:00", CivilText(CDateTime(-1.25, CDateTime::valid)));
    EXPECT_EQ("2026-01-01 12:00:01", CivilText(CDateTime(46023.5 + 0.6 / 86400, CDateTime::valid)));
    EXPECT_EQ("1899-12-30 00:00:00",
              CivilText(CDateTime(-1.0 - 86399.6 / 86400, CDateTime::valid)));
    EXPECT_EQ("9999-12-31 23:59:59", CivilText(At(9999, 12, 31, 23, 59, 59)));
    // Every day of four centuries follows the one before and reads back; impossible dates are
    // invalid.
    double previous = At(1799, 12, 31).GetValue();
    for (int year = 1800; year <= 2200; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                const CDateTime dt = At(year, month, day, 23, 59, 59);
                if (!dt.IsValid()) continue;  // 31 April and the like
                ASSERT_EQ(previous += 1.0, At(year, month, day).GetValue());
                ASSERT_EQ(Text({year, month, day, 23, 59, 59}), CivilText(dt));
            }
    for (const CCivilTime& civil : {CCivilTime{2025, 2, 29},
                                    {2026, 13, 1},
                                    {2026, 0, 1},
                                    {2026, 1, 0},
                                    {2026, 1, 1, 24},
                                    {10000, 1, 1}})
        EXPECT_EQ(CDateTime::invalid, CDateTime::FromCivil(civil).GetStatus()) << Text(civil);
}

TEST(DateTime, TextFormsAtMidnightNoonAndOtherwiseAndNoneForUnshowableDates) {
    EXPECT_EQ("01-Jan-2026  12:00:00 AM", At(2026, 1, 1).FormatLong());
    EXPECT_EQ("01-Jan-2026  12:00:00 PM", At(2026, 1, 1, 12).FormatLong());
    EXPECT_EQ("05-Dec-2026  09:07:03 PM", At(2026, 12, 5, 21, 7, 3).FormatLong());
    EXPECT_EQ("09-Sept-2026  11:59:59 AM", At(2026, 9, 9, 11, 59, 59).FormatLong());
    EXPECT_EQ("Modified: 30-June-1900", At(1900, 6, 30).FormatShort());
    // Null, invalid, zero, still in 1899, or out of range.
    for (const CDateTime& dt :
         {CDateTime(46023.0, CDateTime::null), CDateTime(46023.0, CDateTime::invalid),
          CDateTime(46023.0, 7), CDateTime(0.0, CDateTime::valid), CDateTime(1.5, CDateTime::valid),
          CDateTime(1e300, CDateTime::valid), CDateTime(std::nan(""), CDateTime::valid)})
        EXPECT_EQ("|", dt.FormatLong() + "|" + dt.FormatShort())
            << dt.GetValue() << " status " << dt.GetStatus();
}
