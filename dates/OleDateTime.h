#pragma once

#include <string>

// The plain automation date: days since 30 December 1899 00:00 as a double,
// with a valid/invalid status. The fraction is the time of day; for a
// negative value the whole part counts days backwards while the fraction
// still runs forward, so -1.25 is 29 December 1899, 06:00. Calendar fields
// cover the years 100 to 9999 of the Gregorian calendar, to the second.
class COleDateTime {
    struct Fields {
        int nYear, nMonth, nDay, nHour, nMinute, nSecond, nDayOfWeek, nDayOfYear;
    };

public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    // The first and the last day of the supported range: 1 January 100 and
    // 31 December 9999.
    static constexpr long kMinDay = -657434;
    static constexpr long kMaxDay = 2958465;

    COleDateTime() = default;
    // Invalid unless dt is finite and lies within the supported range.
    explicit COleDateTime(double dt);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour = 0, int nMin = 0, int nSec = 0);
    // The value 0 with the invalid status: what a failed reading gives.
    static COleDateTime Invalid();

    // Sets the value from calendar fields. The fields go to a value and back,
    // and unless all six return unchanged (31 April, 29 February 2011, day 0,
    // hour 24) the status becomes invalid and the value stays as it was.
    bool SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    bool SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }

    double GetValue() const { return m_dt; }
    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Calendar fields, rounded to the nearest second; -1 for an invalid value.
    int GetYear() const { return Field(&Fields::nYear); }
    int GetMonth() const { return Field(&Fields::nMonth); }
    int GetDay() const { return Field(&Fields::nDay); }
    int GetHour() const { return Field(&Fields::nHour); }
    int GetMinute() const { return Field(&Fields::nMinute); }
    int GetSecond() const { return Field(&Fields::nSecond); }
    // 1 for Sunday to 7 for Saturday.
    int GetDayOfWeek() const { return Field(&Fields::nDayOfWeek); }

    // The date at 00:00, and the time of day alone on 30 December 1899.
    COleDateTime DatePart() const;
    COleDateTime TimePart() const;

    // strftime-style text of the value ("%Y/%m/%d"); empty for an invalid value.
    std::string Format(const std::string& format) const;

    // Order in time, which for negative values is not the order of the numbers.
    bool operator==(const COleDateTime& other) const { return ContinuousDays() == other.ContinuousDays(); }
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const { return ContinuousDays() < other.ContinuousDays(); }
    bool operator>(const COleDateTime& other) const { return other < *this; }

protected:
    // The value as a day count that runs forward everywhere: its floor is the
    // day and its fraction the time of day (-1.25 becomes -0.75).
    double ContinuousDays() const;
    // The automation value of a continuous day count.
    static double FromContinuousDays(double days);

private:
    // The calendar fields of a valid value inside the range.
    bool GetFields(Fields& fields) const;
    int Field(int Fields::*member) const;

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
