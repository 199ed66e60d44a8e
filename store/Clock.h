// CClock: where "now" comes from, so that tests can move the day forward.
#pragma once

#include <ctime>

#include "store/DateTime.h"

class CClock {
public:
    virtual ~CClock() = default;
    // Seconds since 1970 (UTC), whole seconds.
    virtual std::time_t Now() const = 0;
    // Now as a time stamp in local time.
    CDateTime NowStamp() const { return CDateTime::FromTimeT(Now()); }
    // Today's local calendar date (time of day zero).
    CCivilTime Today() const;
};

class CSystemClock : public CClock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};
