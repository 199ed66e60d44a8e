// CUnixTimeConverter: local date-times to seconds since 1970 (UTC), as the C library's mktime
// gives them with summer time found by the library (tm_isdst -1). mktime is slow (it checks the
// time zone on every call; glibc takes microseconds without TZ set), so it is asked once per
// calendar day for that day's midnight and the next one: on a day whose midnights lie exactly 24
// hours apart, no clock change happens and a time is its midnight plus the seconds into the day.
// Only on the few days with a change is mktime asked for each time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/DateTime.h"

class CUnixTimeConverter {
public:
    // Days remembered, by day number modulo this (a direct-mapped cache).
    static constexpr std::size_t cachedDays = 4096;

    // False when `dt` is not valid, lies before 1970 or after 9999, or the C library cannot
    // convert it (before 1970 in UTC, or beyond what its time_t holds).
    bool ToUnix(const CDateTime& dt, std::int64_t& seconds);

private:
    struct CDay {
        std::int64_t key = -1;  // year, month and day packed; -1 for none
        std::int64_t midnight = 0;
        bool steady = false;  // the next midnight is exactly 24 hours later
    };

    std::vector<CDay> m_days;
};
