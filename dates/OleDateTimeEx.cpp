#include "OleDateTimeEx.h"

#include "DateClock.h"
#include "DateTextParser.h"

#include <algorithm>

namespace {

bool LeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

} // namespace

COleDateTimeEx::COleDateTimeEx(const COleDateTime& src)
    : COleDateTime(src)
{
}

COleDateTimeEx& COleDateTimeEx::operator=(const COleDateTime& src)
{
    COleDateTime::operator=(src);
    return *this;
}

COleDateTimeEx& COleDateTimeEx::operator=(const COleDateTimeEx& src)
{
    COleDateTime::operator=(src);
    m_nSettingA = src.m_nSettingA;
    m_nSettingB = src.m_nSettingB;
    return *this;
}

bool COleDateTimeEx::MatchesDayKind(int nKind) const
{
    switch (nKind) {
    case 0:
        return IsValid();
    case 1:
        return IsWeekday();
    case 2:
        return IsWeekend();
    default:
        return nKind >= 3 && nKind <= 9 && IsDayOfWeek(nKind - 2);
    }
}

bool COleDateTimeEx::ParseDateTime(const std::string& text, unsigned long flags, const std::string& locale)
{
    const CDateTextParser parser(locale, CDateClock::Now());
    COleDateTime::operator=(parser.Parse(text, flags));
    return IsValid();
}

int COleDateTimeEx::GetSettingB() const
{
    return m_nSettingB;
}

void COleDateTimeEx::SetSettingB(int nValue)
{
    if (nValue >= 1 && nValue <= 11)
        m_nSettingB = nValue;
}

int COleDateTimeEx::GetSettingA() const
{
    return m_nSettingA;
}

void COleDateTimeEx::SetSettingA(int nValue)
{
    if (nValue >= 0 && nValue <= 3)
        m_nSettingA = nValue;
}

bool COleDateTimeEx::IsWeekend() const
{
    return IsSunday() || IsSaturday();
}

bool COleDateTimeEx::IsWeekday() const
{
    return IsValid() && !IsWeekend();
}

// clang-format off
bool COleDateTimeEx::IsSunday() const { return IsDayOfWeek(1); }
bool COleDateTimeEx::IsMonday() const { return IsDayOfWeek(2); }
bool COleDateTimeEx::IsTuesday() const { return IsDayOfWeek(3); }
bool COleDateTimeEx::IsWednesday() const { return IsDayOfWeek(4); }
bool COleDateTimeEx::IsThursday() const { return IsDayOfWeek(5); }
bool COleDateTimeEx::IsFriday() const { return IsDayOfWeek(6); }
bool COleDateTimeEx::IsSaturday() const { return IsDayOfWeek(7); }
bool COleDateTimeEx::IsJanuary() const { return IsMonth(1); }
bool COleDateTimeEx::IsFebruary() const { return IsMonth(2); }
bool COleDateTimeEx::IsMarch() const { return IsMonth(3); }
bool COleDateTimeEx::IsApril() const { return IsMonth(4); }
bool COleDateTimeEx::IsMay() const { return IsMonth(5); }
bool COleDateTimeEx::IsJune() const { return IsMonth(6); }
bool COleDateTimeEx::IsJuly() const { return IsMonth(7); }
bool COleDateTimeEx::IsAugust() const { return IsMonth(8); }
bool COleDateTimeEx::IsSeptember() const { return IsMonth(9); }
bool COleDateTimeEx::IsOctober() const { return IsMonth(10); }
bool COleDateTimeEx::IsNovember() const { return IsMonth(11); }
bool COleDateTimeEx::IsDecember() const { return IsMonth(12); }
// clang-format on

bool COleDateTimeEx::IsLeapYear() const
{
    return IsLeapYear(GetYear());
}

bool COleDateTimeEx::IsLeapYear(int nYear) const
{
    return LeapYear(nYear);
}

bool COleDateTimeEx::IsValid() const
{
    return GetStatus() == valid;
}

COleDateTimeEx COleDateTimeEx::operator+(const COleDateTimeSpan& span) const
{
    return ShiftedByDays(span.GetTotalDays(), span.GetStatus() == COleDateTimeSpan::valid);
}

COleDateTimeEx COleDateTimeEx::operator-(const COleDateTimeSpan& span) const
{
    return ShiftedByDays(-span.GetTotalDays(), span.GetStatus() == COleDateTimeSpan::valid);
}

COleDateTimeSpan COleDateTimeEx::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan span(ContinuousDays() - COleDateTimeEx(other).ContinuousDays());
    if (!IsValid() || other.GetStatus() != valid)
        span.SetStatus(COleDateTimeSpan::invalid);
    return span;
}

COleDateTimeEx COleDateTimeEx::ShiftedByDays(double days, bool spanValid) const
{
    COleDateTimeEx result(*this);
    result = COleDateTime(FromContinuousDays(ContinuousDays() + days));
    if (!IsValid() || !spanValid)
        result.SetStatus(invalid);
    return result;
}

COleDateTimeEx COleDateTimeEx::AddMonths(int nMonths) const
{
    return MovedByMonths(std::max(nMonths, 0));
}

COleDateTimeEx COleDateTimeEx::SubtractMonths(int nMonths) const
{
    return MovedByMonths(-static_cast<long long>(std::max(nMonths, 0)));
}

COleDateTimeEx COleDateTimeEx::MovedByMonths(long long nMonths) const
{
    COleDateTimeEx result(*this);
    const long long index = GetYear() * 12LL + (GetMonth() - 1) + nMonths;
    if (!IsValid() || index < 0) {
        result.SetStatus(invalid);
        return result;
    }
    const int year = static_cast<int>(std::min(index / 12, 10000LL));
    const int month = static_cast<int>(index % 12) + 1;
    result.SetDate(year, month, std::min(GetDay(), DaysInMonth(month, year)));
    return result;
}

COleDateTimeEx COleDateTimeEx::AddYears(int nYears) const
{
    COleDateTimeEx result(*this);
    const long long year = static_cast<long long>(GetYear()) + nYears;
    if (!IsValid() || year < 100 || year > 9999)
        result.SetStatus(invalid);
    else
        result.SetDate(static_cast<int>(year), GetMonth(), GetDay());
    return result;
}

int COleDateTimeEx::DaysInMonth(int nMonth, int nYear)
{
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return kLengths[nMonth - 1] + (nMonth == 2 && LeapYear(nYear));
}

COleDateTimeEx COleDateTimeEx::Easter(int nYear)
{
    // The anonymous Gregorian computus (Meeus, Jones, Butcher), exact for
    // every year of the Gregorian calendar.
    const int a = nYear % 19;
    const int b = nYear / 100;
    const int c = nYear % 100;
    const int h = (19 * a + b - b / 4 - (b - (b + 8) / 25 + 1) / 3 + 15) % 30;
    const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthDay = h + l - 7 * m + 114;
    return COleDateTimeEx(nYear, monthDay / 31, monthDay % 31 + 1);
}

COleDateTimeEx COleDateTimeEx::NthWeekdayOfMonth(int nYear, int nMonth, int nWeekday, int n)
{
    COleDateTimeEx first(nYear, nMonth, 1);
    if (!first.IsValid() || nWeekday < 1 || nWeekday > 7 || n < 1 || n > 5) {
        first.SetStatus(invalid);
        return first;
    }
    const int day = 1 + (nWeekday - first.GetDayOfWeek() + 7) % 7 + 7 * (n - 1);
    return COleDateTimeEx(nYear, nMonth, day);
}
