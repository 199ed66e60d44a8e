// CDateTime: a point in local time as an OLE automation date (days since midnight, 30 December
// 1899; the fraction is the time of day) with a status, exactly as the data file stores it.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// A calendar date and time of day in local time.
struct CCivilTime {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
};

class CDateTime {
public:
    enum Status : std::int32_t { valid = 0, invalid = 1, null = 2 };

    // Constructors
    CDateTime() = default;
    CDateTime(double value, std::int32_t status) : m_dt(value), m_status(status) {}
    // From calendar parts; an impossible date (month 13, 31 April, ...) gives status invalid.
    static CDateTime FromCivil(const CCivilTime& civil);
    // From seconds since 1970 (UTC), converted to local time by the C library.
    static CDateTime FromTimeT(std::time_t seconds);

    // Attributes
    double GetValue() const { return m_dt; }
    std::int32_t GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == valid; }
    // Calendar parts, rounded to the nearest second; false when the status is not valid or the
    // value lies outside the years 100..9999.
    bool GetCivil(CCivilTime& civil) const;

    // Text forms; both are empty when the status is not valid or the year is 1899.
    // Long form: "05-Dec-2026  09:07:03 PM".
    std::string FormatLong() const;
    // Short form: "Modified: 5-Dec-2026".
    std::string FormatShort() const;

    friend bool operator==(const CDateTime& a, const CDateTime& b) {
        return a.m_dt == b.m_dt && a.m_status == b.m_status;
    }
    friend bool operator!=(const CDateTime& a, const CDateTime& b) { return !(a == b); }

private:
    double m_dt = 0.0;
    std::int32_t m_status = valid;
};

// Days from 1 January 1970 to a date of the (proleptic) Gregorian calendar; month 1..12.
long long DaysFromCivil(long long year, unsigned month, unsigned day);

// The month names of the text forms, January first: "Jan" ... "Dec".
extern const char* const g_monthNames[12];
