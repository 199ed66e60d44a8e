// CUnixTimeConverter: mktime once per day, remembered.
#include "store/UnixTimeConverter.h"

#include <ctime>

namespace {

constexpr std::int64_t secondsPerDay = 86400;

// mktime of a local date and time; -1 when the library cannot give it.
std::int64_t LocalToUnix(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;  // the day after the last of a month is normalised by mktime
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&parts));
}

}  // namespace

bool CUnixTimeConverter::ToUnix(const CDateTime& dt, std::int64_t& seconds) {
    CCivilTime civil;
    if (!dt.GetCivil(civil) || civil.year < 1970) return false;
    if (m_days.empty()) m_days.resize(cachedDays);
    const std::int64_t key =
        (static_cast<std::int64_t>(civil.year) * 13 + civil.month) * 32 + civil.day;
    CDay& day = m_days[static_cast<std::size_t>(key) % cachedDays];
    if (day.key != key) {
        day.key = key;
        day.midnight = LocalToUnix(civil.year, civil.month, civil.day, 0, 0, 0);
        const std::int64_t next = LocalToUnix(civil.year, civil.month, civil.day + 1, 0, 0, 0);
        day.steady = day.midnight != -1 && next != -1 && next - day.midnight == secondsPerDay;
    }
    const std::int64_t intoDay = civil.hour * 3600 + civil.minute * 60 + civil.second;
    seconds = day.steady ? day.midnight + intoDay
                         : LocalToUnix(civil.year, civil.month, civil.day, civil.hour, civil.minute,
                                       civil.second);
    return seconds >= 0;
}
