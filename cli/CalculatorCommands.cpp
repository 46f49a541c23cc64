#include "CalculatorCommands.h"

#include "CliFailure.h"
#include "ChartPropertyRules.h"
#include "DateClock.h"
#include "DateCommands.h"
#include "DateSpanArithmetic.h"
#include "DegreeArithmetic.h"

#include <cfloat>
#include <cstdio>
#include <functional>
#include <optional>
#include <ostream>

using CliFailure::kUsageError;
using CliFailure::UsageError;

namespace DSA = DateSpanArithmetic;

namespace {

constexpr int kInvalid = 1;


bool ReadUnit(const std::string& name, DSA::SpanUnit& unit)
{
    for (int i = 0; i < DSA::kUnitCount; ++i) {
        std::string unitName = DSA::UnitName(static_cast<DSA::SpanUnit>(i));
        unitName[0] = static_cast<char>(unitName[0] - 'A' + 'a');
        if (name == unitName) {
            unit = static_cast<DSA::SpanUnit>(i);
            return true;
        }
    }
    return false;
}

// The day a text names, as a date field reads it.
COleDateTimeEx ReadDate(const std::string& text)
{
    COleDateTimeEx value;
    value.ParseDateTime(text, COleDateTimeEx::ParseDateValueOnly);
    return value.DatePart();
}

// The parser's clock for the life of the object: a fixed moment, or the
// computer's clock when there is none.
class CScopedClock {
public:
    explicit CScopedClock(const std::optional<COleDateTime>& now)
    {
        if (now)
            CDateClock::SetFixed(*now);
        else
            CDateClock::UseSystemTime();
    }
    ~CScopedClock() { CDateClock::UseSystemTime(); }
    CScopedClock(const CScopedClock&) = delete;
    CScopedClock& operator=(const CScopedClock&) = delete;
};

// Checks unit and now, runs compute on that clock and prints its span, or
// its date when it computes one.
int RunDateArithmetic(const std::string& unitName, const std::string& now, bool printsDate, std::ostream& out,
    std::ostream& err, const std::function<DSA::Outcome(DSA::SpanUnit)>& compute)
{
    DSA::SpanUnit unit = DSA::SpanUnit::Day;
    if (!ReadUnit(unitName, unit))
        return UsageError(err, "--unit must be day, week, month, year or trading");
    std::optional<COleDateTime> moment;
    if (!now.empty() && !ReadMoment(now, moment.emplace()))
        return UsageError(err, "--now must be a moment written YYYY-MM-DD HH:MM:SS");
    const CScopedClock clock(moment);
    const DSA::Outcome outcome = compute(unit);
    if (outcome.problem == DSA::Problem::NoSpan || outcome.problem == DSA::Problem::SpanNotInteger)
        return UsageError(err, "the span must be a whole number");
    if (outcome.problem != DSA::Problem::None || (printsDate && !outcome.date.IsValid())) {
        out << "invalid\n";
        return kInvalid;
    }
    if (printsDate)
        out << outcome.date.Format("%Y/%m/%d") << '\n';
    else
        out << outcome.span << '\n';
    return 0;
}

} // namespace

int RunDegreeCommand(const std::string& p, std::ostream& out, std::ostream& err)
{
    const std::optional<float> value = ChartPropertyRules::ParseNumber(p);
    if (!value && ChartPropertyRules::ParseReal(p)) {
        char range[64];
        std::snprintf(range, sizeof range, "from %g to %g", -static_cast<double>(FLT_MAX),
                      static_cast<double>(FLT_MAX));
        return UsageError(err, "P is out of range: it must lie " + std::string(range));
    }
    if (!value)
        return UsageError(err, "P must be a number");
    const DegreeArithmetic::Angles angles = DegreeArithmetic::ComputeAngles(*value);
    out << DegreeArithmetic::FormatAngle(angles.carl) << ' ' << DegreeArithmetic::FormatAngle(angles.daniel) << ' '
        << DegreeArithmetic::FormatAngle(angles.circle) << ' ' << DegreeArithmetic::FormatAngle(angles.dial) << '\n';
    return 0;
}

int RunSpanCommand(const std::string& start, const std::string& end, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err)
{
    return RunDateArithmetic(unit, now, false, out, err,
        [&](DSA::SpanUnit u) { return DSA::ComputeSpan(ReadDate(start), ReadDate(end), u); });
}

int RunEndCommand(const std::string& start, const std::string& span, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err)
{
    return RunDateArithmetic(
        unit, now, true, out, err, [&](DSA::SpanUnit u) { return DSA::ComputeEnd(ReadDate(start), span, u, true); });
}

int RunStartCommand(const std::string& end, const std::string& span, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err)
{
    return RunDateArithmetic(
        unit, now, true, out, err, [&](DSA::SpanUnit u) { return DSA::ComputeStart(ReadDate(end), span, u, true); });
}
