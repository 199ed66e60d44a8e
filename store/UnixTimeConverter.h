// CUnixTimeConverter: local date-times to seconds since 1970 (UTC), as the C library's mktime
// gives them with summer time found by the library (tm_isdst -1). mktime is slow (it checks the
// time zone on every call; glibc takes microseconds without TZ set), so it is asked once per
// calendar day, for that day's midnight: on a day whose midnight and the next lie exactly 24 hours
// apart, no clock change happens and a time is its midnight plus the seconds into the day. Only
// on the few days with a change is mktime asked for each time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/DateTime.h"

class CUnixTimeConverter {
public:
    // Days remembered, by day number modulo this: 179 years of days without a collision.
    static constexpr std::size_t cachedDays = 65536;

    // False when `dt` is not valid, lies before 1970 or after 9999, or before 1970 in UTC.
    bool ToUnix(const CDateTime& dt, std::int64_t& seconds);

private:
    struct CDay {
        std::int64_t number = -1;  // days since 1970; -1 for none
        std::int64_t midnight = -1;
        bool steady = false;  // the next midnight is exactly 24 hours later
    };
    // The day that holds `date`, from the cache or made.
    const CDay& Day(const CCivilTime& date);

    std::vector<CDay> m_days;
};
