#pragma once

// A length of time in days (a double) with its own valid/invalid status: what
// the date values add and subtract. A span is valid only within 3615897 days
// either way, which also keeps its whole days inside a long.
class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1 };

    static constexpr double kMaxDays = 3615897.0;

    COleDateTimeSpan() = default;
    explicit COleDateTimeSpan(double dblDays);
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // days + hours / 24 + minutes / 1440 + seconds / 86400.
    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    double GetTotalDays() const { return m_span; }
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    // The whole days, rounded away from zero once the span is within half a
    // second of the next day; 0 for an invalid span.
    long GetDays() const;

private:
    void SetDays(double days);

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;
};
