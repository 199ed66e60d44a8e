// CClock: the calendar date of "now" for the backup rule.
#include "store/Clock.h"

CCivilTime CClock::Today() const {
    CCivilTime today;
    if (!NowStamp().GetCivil(today)) return CCivilTime();
    today.hour = 0;
    today.minute = 0;
    today.second = 0;
    return today;
}
