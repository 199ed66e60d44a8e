// CUnixTimeConverter: mktime once per day, remembered.
#include "store/UnixTimeConverter.h"

#include <ctime>

namespace {

constexpr std::int64_t secondsPerDay = 86400;

// mktime of a local date and time; -1 when the library cannot give it.
std::int64_t LocalToUnix(const CCivilTime& civil) {
    std::tm parts{};
    parts.tm_year = civil.year - 1900;
    parts.tm_mon = civil.month - 1;
    parts.tm_mday = civil.day;  // the day after the last of a month is normalised by mktime
    parts.tm_hour = civil.hour;
    parts.tm_min = civil.minute;
    parts.tm_sec = civil.second;
    parts.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&parts));
}

}  // namespace

const CUnixTimeConverter::CDay& CUnixTimeConverter::Day(const CCivilTime& date) {
    if (m_days.empty()) m_days.resize(cachedDays);
    const std::int64_t number = DaysFromCivil(date.year, static_cast<unsigned>(date.month),
                                              static_cast<unsigned>(date.day));
    CDay& day = m_days[static_cast<std::size_t>(number) % cachedDays];
    if (day.number == number) return day;
    CCivilTime midnight;
    midnight.year = date.year;
    midnight.month = date.month;
    midnight.day = date.day;
    // The next day's midnight is made as this day's was, whether or not that day is remembered,
    // so that the two always agree.
    const std::int64_t start = LocalToUnix(midnight);
    ++midnight.day;
    const std::int64_t end = LocalToUnix(midnight);
    day.number = number;
    day.midnight = start;
    day.steady = start != -1 && end != -1 && end - start == secondsPerDay;
    return day;
}

bool CUnixTimeConverter::ToUnix(const CDateTime& dt, std::int64_t& seconds) {
    CCivilTime civil;
    if (!dt.GetCivil(civil) || civil.year < 1970) return false;
    const CDay& day = Day(civil);
    seconds = day.steady ? day.midnight + civil.hour * 3600 + civil.minute * 60 + civil.second
                         : LocalToUnix(civil);
    return seconds >= 0;
}
