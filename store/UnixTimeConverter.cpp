// CUnixTimeConverter: mktime once per day, remembered.
#include "store/UnixTimeConverter.h"

#include <ctime>

namespace {

constexpr std::int64_t secondsPerDay = 86400;
// The last year that every C library converts: the Windows program's time_t has 32 bits, and
// its _mktime64 stops at the year 3000.
constexpr int lastLibraryYear = 2999;
// The calendar repeats every 400 years (146,097 days, a whole number of weeks), and so do the
// summer time rules that a time zone gives for the future.
constexpr int cycleYears = 400;
constexpr std::int64_t cycleSeconds = 146097 * secondsPerDay;

// mktime of a local date and time; -1 when the library cannot give it. A year beyond the
// library's reach is taken whole cycles earlier, and the cycles added to the result.
std::int64_t LocalToUnix(const CCivilTime& civil) {
    std::int64_t shift = 0;
    int year = civil.year;
    if (year > lastLibraryYear) {
        const int cycles = (year - lastLibraryYear + cycleYears - 1) / cycleYears;
        year -= cycles * cycleYears;
        shift = cycles * cycleSeconds;
    }
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = civil.month - 1;
    parts.tm_mday = civil.day;  // the day after the last of a month is normalised by mktime
    parts.tm_hour = civil.hour;
    parts.tm_min = civil.minute;
    parts.tm_sec = civil.second;
    parts.tm_isdst = -1;
#ifdef _WIN32
    const std::int64_t seconds = _mktime64(&parts);
#else
    const std::int64_t seconds = std::mktime(&parts);
#endif
    return seconds == -1 ? -1 : seconds + shift;
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
