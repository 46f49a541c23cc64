#include "OleDateTime.h"

#include "CalendarDay.h"

#include <cmath>
#include <ctime>

namespace {

constexpr long long kSecondsPerDay = 86400;
// 1 January 1970 counted from 30 December 1899.
constexpr long long kUnixEpochDay = 25569;

// Days from 30 December 1899 to a date of the proleptic Gregorian calendar.
long long SerialFromCivil(long long y, int m, int d) { return DayNumber({y, m, d}) + kUnixEpochDay; }

// The inverse of SerialFromCivil.
void CivilFromSerial(long long serial, int& y, int& m, int& d)
{
    const long long z = serial - kUnixEpochDay + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

long long FloorDiv(long long a, long long b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// The automation value of a day and a second of that day.
double ValueOf(long long day, long long second)
{
    const double fraction = static_cast<double>(second) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

} // namespace

COleDateTime::COleDateTime(double dt)
    : m_dt(dt)
{
    Fields fields;
    if (!GetFields(fields))
        m_status = invalid;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime COleDateTime::Invalid()
{
    COleDateTime none;
    none.m_status = invalid;
    return none;
}

bool COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    // The bounds only keep the arithmetic small; the round trip decides.
    const bool bounded = nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31
        && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
    if (bounded) {
        const COleDateTime probe(ValueOf(SerialFromCivil(nYear, nMonth, nDay), nHour * 3600LL + nMin * 60LL + nSec));
        Fields f;
        if (probe.GetFields(f) && f.nYear == nYear && f.nMonth == nMonth && f.nDay == nDay && f.nHour == nHour
            && f.nMinute == nMin && f.nSecond == nSec) {
            *this = probe;
            return true;
        }
    }
    m_status = invalid;
    return false;
}

bool COleDateTime::GetFields(Fields& fields) const
{
    const double days = ContinuousDays();
    // Also refuses NaN, and keeps llround far from overflow.
    if (m_status != valid || !(days > kMinDay - 1.0 && days < kMaxDay + 2.0))
        return false;
    const long long total = std::llround(days * kSecondsPerDay);
    const long long day = FloorDiv(total, kSecondsPerDay);
    if (day < kMinDay || day > kMaxDay)
        return false;
    const long long second = total - day * kSecondsPerDay;
    CivilFromSerial(day, fields.nYear, fields.nMonth, fields.nDay);
    fields.nHour = static_cast<int>(second / 3600);
    fields.nMinute = static_cast<int>(second / 60 % 60);
    fields.nSecond = static_cast<int>(second % 60);
    // Day 0 was a Saturday.
    fields.nDayOfWeek = static_cast<int>((day % 7 + 13) % 7) + 1;
    fields.nDayOfYear = static_cast<int>(day - SerialFromCivil(fields.nYear, 1, 1)) + 1;
    return true;
}

int COleDateTime::Field(int Fields::*member) const
{
    Fields fields;
    return GetFields(fields) ? fields.*member : -1;
}

COleDateTime COleDateTime::DatePart() const
{
    Fields f;
    return GetFields(f) ? COleDateTime(f.nYear, f.nMonth, f.nDay) : Invalid();
}

COleDateTime COleDateTime::TimePart() const
{
    Fields f;
    return GetFields(f) ? COleDateTime(1899, 12, 30, f.nHour, f.nMinute, f.nSecond) : Invalid();
}

std::string COleDateTime::Format(const std::string& format) const
{
    Fields f;
    if (!GetFields(f) || format.empty())
        return {};
    std::tm tm {};
    tm.tm_year = f.nYear - 1900;
    tm.tm_mon = f.nMonth - 1;
    tm.tm_mday = f.nDay;
    tm.tm_hour = f.nHour;
    tm.tm_min = f.nMinute;
    tm.tm_sec = f.nSecond;
    tm.tm_wday = f.nDayOfWeek - 1;
    tm.tm_yday = f.nDayOfYear - 1;
    // strftime gives 0 both for a short buffer and for an empty result, so
    // the buffer grows only up to a bound no directive can exceed.
    const std::size_t limit = 256 * (format.size() + 1);
    for (std::size_t size = 64;; size *= 2) {
        std::string text(size, '\0');
        const std::size_t n = std::strftime(text.data(), size, format.c_str(), &tm);
        if (n > 0 || size >= limit) {
            text.resize(n);
            return text;
        }
    }
}

double COleDateTime::ContinuousDays() const
{
    if (!(m_dt < 0))
        return m_dt;
    const double whole = std::ceil(m_dt);
    return whole - (m_dt - whole);
}

double COleDateTime::FromContinuousDays(double days)
{
    if (!(days < 0))
        return days;
    const double whole = std::floor(days);
    return whole + (whole - days);
}
