#pragma once

#include "OleDateTime.h"
#include "OleDateTimeSpan.h"

#include <string>

// The date value behind the calculators' date fields: an automation date with
// calendar predicates, exact month and year moves, Easter and a text parser
// that understands what analysts type ("2012/03/05", "tm", "next friday",
// "10 days after christmas"). Every failure is the invalid status; nothing
// throws. The two settings are the date picker's options, carried unread.
class COleDateTimeEx : public COleDateTime {
public:
    // Modes of ParseDateTime: date and time, time of day only, date only.
    enum ParseFlags : unsigned long { ParseDateAndTime = 0, ParseTimeValueOnly = 1, ParseDateValueOnly = 2 };

    using COleDateTime::COleDateTime;
    COleDateTimeEx() = default;
    COleDateTimeEx(const COleDateTime& src);
    COleDateTimeEx(const COleDateTimeEx& src) = default;

    // The virtual operations, in their fixed order.
    virtual ~COleDateTimeEx() = default;
    virtual COleDateTimeEx& operator=(const COleDateTime& src);
    virtual COleDateTimeEx& operator=(const COleDateTimeEx& src);
    // Kind 0 any day, 1 weekday, 2 weekend, 3 to 9 Sunday to Saturday.
    virtual bool MatchesDayKind(int nKind) const;
    // Reads text with "now" from CDateClock; locale names the date format to
    // accept ("" for the user's). Sets value and status; the settings stay.
    virtual bool ParseDateTime(
        const std::string& text, unsigned long flags = ParseDateAndTime, const std::string& locale = std::string());
    virtual int GetSettingB() const;
    virtual void SetSettingB(int nValue);
    virtual int GetSettingA() const;
    virtual void SetSettingA(int nValue);
    virtual bool IsWeekend() const;
    virtual bool IsWeekday() const;
    virtual bool IsSunday() const;
    virtual bool IsMonday() const;
    virtual bool IsTuesday() const;
    virtual bool IsWednesday() const;
    virtual bool IsThursday() const;
    virtual bool IsFriday() const;
    virtual bool IsSaturday() const;
    virtual bool IsJanuary() const;
    virtual bool IsFebruary() const;
    virtual bool IsMarch() const;
    virtual bool IsApril() const;
    virtual bool IsMay() const;
    virtual bool IsJune() const;
    virtual bool IsJuly() const;
    virtual bool IsAugust() const;
    virtual bool IsSeptember() const;
    virtual bool IsOctober() const;
    virtual bool IsNovember() const;
    virtual bool IsDecember() const;
    // Of the value's own year; an invalid value tests the year -1.
    virtual bool IsLeapYear() const;
    virtual bool IsLeapYear(int nYear) const;
    virtual bool IsValid() const;

    // Time arithmetic on the continuous day count, so that it runs the same
    // way on both sides of 30 December 1899. Invalid when either operand is
    // or when the result leaves the years 100 to 9999.
    COleDateTimeEx operator+(const COleDateTimeSpan& span) const;
    COleDateTimeEx operator-(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Calendar moves to a date at 00:00, the time of day dropped. Months move
    // the whole count at once and land on the last day of the month reached
    // when it lacks the day (31 January + 1 month = 29 February 2012); a count
    // below 1 returns the date itself. Years keep day and month and are
    // invalid when that date does not exist (29 February 2012 + 1 year).
    COleDateTimeEx AddMonths(int nMonths) const;
    COleDateTimeEx SubtractMonths(int nMonths) const;
    COleDateTimeEx AddYears(int nYears) const;

    // 28 to 31, or 0 for a month outside 1 to 12.
    static int DaysInMonth(int nMonth, int nYear);
    // Easter Sunday of the Gregorian calendar at 00:00.
    static COleDateTimeEx Easter(int nYear);
    // The n-th (1 to 5) weekday (1 Sunday to 7 Saturday) of a month at 00:00;
    // invalid when the month has fewer than n of them.
    static COleDateTimeEx NthWeekdayOfMonth(int nYear, int nMonth, int nWeekday, int n);

private:
    COleDateTimeEx MovedByMonths(long long nMonths) const;
    COleDateTimeEx ShiftedByDays(double days, bool spanValid) const;
    bool IsDayOfWeek(int nDay) const { return IsValid() && GetDayOfWeek() == nDay; }
    bool IsMonth(int nMonth) const { return IsValid() && GetMonth() == nMonth; }

    int m_nSettingA = 0;
    int m_nSettingB = 7;
};
