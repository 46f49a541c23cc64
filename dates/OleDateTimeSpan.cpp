#include "OleDateTimeSpan.h"

#include <cmath>

namespace {

constexpr double kHalfSecond = 1.0 / (2 * 86400.0);

} // namespace

COleDateTimeSpan::COleDateTimeSpan(double dblDays)
{
    SetDays(dblDays);
}

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    SetDays(static_cast<double>(lDays) + nHours / 24.0 + nMins / 1440.0 + nSecs / 86400.0);
}

void COleDateTimeSpan::SetDays(double days)
{
    m_span = days;
    // Also refuses NaN.
    m_status = days >= -kMaxDays && days <= kMaxDays ? valid : invalid;
}

long COleDateTimeSpan::GetDays() const
{
    if (m_status != valid)
        return 0;
    return static_cast<long>(m_span >= 0 ? std::trunc(m_span + kHalfSecond) : std::trunc(m_span - kHalfSecond));
}
