// CDateTime: conversions between OLE automation dates, calendar parts and the two text forms.
#include "store/DateTime.h"

#include <cmath>
#include <cstdio>

const char* const g_monthNames[12] = {"Jan",  "Feb", "March", "April", "May", "June",
                                      "July", "Aug", "Sept",  "Oct",   "Nov", "Dec"};

namespace {

constexpr int secondsPerDay = 24 * 60 * 60;
// Day number of 30 December 1899 counted from 1 January 1970.
constexpr long long oleEpochFromUnix = -25569;
// Day numbers (OLE) of 1 January 100 and 31 December 9999, the range an OLE date may hold.
constexpr long long firstOleDay = -657434;
constexpr long long lastOleDay = 2958465;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The date of a day number since 1 January 1970, the inverse of DaysFromCivil (both are the usual
// era-based conversion: 400-year eras of 146097 days, years starting in March).
void CivilFromDays(long long days, CCivilTime& civil) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    civil.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    civil.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    civil.year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 +
                                  (civil.month <= 2 ? 1 : 0));
}

}  // namespace

long long DaysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

CDateTime CDateTime::FromCivil(const CCivilTime& civil) {
    if (civil.year < 100 || civil.year > 9999 || civil.month < 1 || civil.month > 12 ||
        civil.day < 1 || civil.day > DaysInMonth(civil.year, civil.month) || civil.hour < 0 ||
        civil.hour > 23 || civil.minute < 0 || civil.minute > 59 || civil.second < 0 ||
        civil.second > 59)
        return CDateTime(0.0, invalid);
    const long long day = DaysFromCivil(civil.year, static_cast<unsigned>(civil.month),
                                        static_cast<unsigned>(civil.day)) -
                          oleEpochFromUnix;
    const double time =
        (civil.hour * 3600 + civil.minute * 60 + civil.second) / static_cast<double>(secondsPerDay);
    // Before the epoch the integer part still counts days and the fraction is the time of day
    // taken positive, so 29 December 1899 06:00 is -1.25, not -0.75.
    const double value =
        day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
    return CDateTime(value, valid);
}

CDateTime CDateTime::FromTimeT(std::time_t seconds) {
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0) return CDateTime(0.0, invalid);
#else
    if (!localtime_r(&seconds, &local)) return CDateTime(0.0, invalid);
#endif
    CCivilTime civil;
    civil.year = local.tm_year + 1900;
    civil.month = local.tm_mon + 1;
    civil.day = local.tm_mday;
    civil.hour = local.tm_hour;
    civil.minute = local.tm_min;
    civil.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second keeps its minute
    return FromCivil(civil);
}

bool CDateTime::GetCivil(CCivilTime& civil) const {
    if (m_status != valid || !std::isfinite(m_dt)) return false;
    if (m_dt < static_cast<double>(firstOleDay - 1) || m_dt > static_cast<double>(lastOleDay + 1))
        return false;
    const double whole = std::trunc(m_dt);
    auto day = static_cast<long long>(whole);
    auto seconds = static_cast<long long>(std::llround(std::fabs(m_dt - whole) * secondsPerDay));
    if (seconds >= secondsPerDay) {
        // Rounded up to the next midnight. For a negative value the day also moves forward in the
        // calendar, since its time of day runs forward from the day's start.
        seconds -= secondsPerDay;
        ++day;
    }
    if (day < firstOleDay || day > lastOleDay) return false;
    CivilFromDays(day + oleEpochFromUnix, civil);
    civil.hour = static_cast<int>(seconds / 3600);
    civil.minute = static_cast<int>(seconds / 60 % 60);
    civil.second = static_cast<int>(seconds % 60);
    return true;
}

std::string CDateTime::FormatLong() const {
    CCivilTime civil;
    if (!GetCivil(civil) || civil.year == 1899) return std::string();
    int hour12 = civil.hour % 12;
    if (hour12 == 0) hour12 = 12;
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%s-%d  %02d:%02d:%02d %cM", civil.day,
                  g_monthNames[civil.month - 1], civil.year, hour12, civil.minute, civil.second,
                  civil.hour < 12 ? 'A' : 'P');
    return text;
}

std::string CDateTime::FormatShort() const {
    CCivilTime civil;
    if (!GetCivil(civil) || civil.year == 1899) return std::string();
    char text[48];
    std::snprintf(text, sizeof text, "Modified: %d-%s-%d", civil.day, g_monthNames[civil.month - 1],
                  civil.year);
    return text;
}
