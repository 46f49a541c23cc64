#include "PivotTargets.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"
#include "UiText.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

// Cell angles come from integer centres through single-precision atan: two
// cells mirrored about the wanted angle differ by rounding only.
constexpr double kTieDegrees = 1e-3;

// Days since 1970-01-01 of a proleptic Gregorian day.
std::int64_t DayNumber(const CalendarDay& d)
{
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool SameDay(const CalendarDay& a, const CalendarDay& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string DayText(const std::optional<CalendarDay>& d)
{
    if (!d || d->year < 1 || d->year > 9999)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04" PRId64 "-%02d-%02d", d->year, d->month, d->day);
    return text;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

long long CellCount(const CBaseDraw& chart, const ChartKind& kind) { return kind.cellCount(chart.LayoutRings()); }

bool IsSquare(const ChartKind& kind) { return kind.code == kSquareOfNine || kind.code == kSquareOfFour; }

// +1 where the numbers grow counter-clockwise on the screen, -1 where they
// grow clockwise: only the squares follow the clockwise switch.
double ForwardSign(const CBaseDraw& chart, const ChartKind& kind)
{
    return IsSquare(kind) && chart.m_bClockwise ? -1.0 : 1.0;
}

double CircleDistance(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

Result<int> FindByNumber(CBaseDraw& chart, const ChartKind& kind, long long number)
{
    const long long cells = CellCount(chart, kind);
    if (number < 1 || number > cells)
        return Failure{FillIn(UiText("PivotTargets", "找不到编号 %1 的单元格（图上为 1 至 %2）"),
            {std::to_string(number), std::to_string(cells)})};
    return static_cast<int>(number);
}

Result<int> FindByPrice(CBaseDraw& chart, const ChartKind& kind, double price)
{
    const long long cells = CellCount(chart, kind);
    const double step = chart.m_fPriceStep;
    const Failure none{FillIn(UiText("PivotTargets", "找不到价格 %1 的单元格"), {Number(price)})};
    if (!std::isfinite(price) || cells < 1)
        return none;
    // Prices are linear in the number: the nearest lies beside the estimate.
    const double estimate = step == 0.0 ? 1.0 : (price - chart.m_fStartPrice) / step + 1.0;
    const long long centre = static_cast<long long>(std::clamp(estimate, 1.0, static_cast<double>(cells)));
    int best = 0;
    double bestDistance = 0;
    for (long long n = std::max(1LL, centre - 2); n <= std::min(cells, centre + 2); ++n) {
        const double distance = std::fabs(chart.CellPrice(static_cast<int>(n)) - price);
        if (best == 0 || distance < bestDistance) {
            best = static_cast<int>(n);
            bestDistance = distance;
        }
    }
    // Beyond the chart's prices the nearest cell is an edge cell that does not hold the price.
    if (best == 0 || bestDistance > std::fabs(step) / 2.0)
        return none;
    return best;
}

std::optional<CalendarDay> LocalDay(std::int64_t t)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm))
        return std::nullopt;
    return CalendarDay{tm.tm_year + 1900LL, tm.tm_mon + 1, tm.tm_mday};
}

// The number whose period the date falls in by plain arithmetic, before
// daylight saving and a start time other than midnight move it a cell.
std::optional<double> DateEstimate(const CBaseDraw& chart, const CalendarDay& start, const CalendarDay& wanted)
{
    if (chart.m_nTimeStep == 0)
        return 1.0;
    if (chart.m_nPeriod == 2)
        return static_cast<double>((wanted.year - start.year) * 12 + (wanted.month - start.month)) /
                   chart.m_nTimeStep + 1.0;
    const double periodDays = (chart.m_nPeriod == 1 ? 7.0 : 1.0) * chart.m_nTimeStep;
    return static_cast<double>(DayNumber(wanted) - DayNumber(start)) / periodDays + 1.0;
}

// By months a cell covers its month, which is all its label names.
bool OnDay(const CBaseDraw& chart, const CalendarDay& cell, const CalendarDay& wanted)
{
    if (chart.m_nPeriod == 2)
        return cell.year == wanted.year && cell.month == wanted.month;
    return SameDay(cell, wanted);
}

Result<int> FindByDate(CBaseDraw& chart, const ChartKind& kind, std::int64_t midnight)
{
    const std::optional<CalendarDay> wanted = LocalDay(midnight);
    const std::optional<CalendarDay> start = chart.CellDay(1);
    const Failure none{
        FillIn(UiText("PivotTargets", "找不到日期 %1 的单元格"), {wanted ? DayText(wanted) : std::string("?")})};
    if (!wanted || !start)
        return none;
    const double estimate = *DateEstimate(chart, *start, *wanted);
    const long long cells = CellCount(chart, kind);
    if (!(estimate > -2.0 && estimate < static_cast<double>(cells) + 3.0))
        return none;
    const long long centre = static_cast<long long>(std::floor(estimate));
    for (long long n = std::max(1LL, centre - 2); n <= std::min(cells, centre + 2); ++n) {
        const std::optional<CalendarDay> day = chart.CellDay(static_cast<int>(n));
        if (day && OnDay(chart, *day, *wanted))
            return static_cast<int>(n);
    }
    return none;
}

// The cell of ring span nearest to angle, the lower number on a tie; angles
// holds the span's cell angles in number order.
int NearestCell(const RingSpan& span, const std::vector<float>& angles, double angle)
{
    long long best = span.first;
    double bestDistance = CircleDistance(angles[0], angle);
    for (size_t i = 1; i < angles.size(); ++i) {
        const double distance = CircleDistance(angles[i], angle);
        if (distance < bestDistance - kTieDegrees) {
            best = span.first + static_cast<long long>(i);
            bestDistance = distance;
        }
    }
    return static_cast<int>(best);
}

std::vector<float> RingAngles(CBaseDraw& chart, const RingSpan& span)
{
    const Point centre = chart.m_rcChart.Center();
    std::vector<float> angles;
    angles.reserve(static_cast<size_t>(span.last - span.first + 1));
    float distance = 0.0f;
    for (long long n = span.first; n <= span.last; ++n)
        angles.push_back(CBaseDraw::AngleFromCenter(chart.GetCellCenter(static_cast<int>(n)), centre, distance));
    return angles;
}

std::optional<double> FormulaPrice(const ChartKind& kind, double pivotPrice, double theta, int turns)
{
    if (!IsSquare(kind) || !(pivotPrice >= 0.0))
        return std::nullopt;
    const double root = std::sqrt(pivotPrice) + (theta + 360.0 * turns) / 180.0;
    if (root < 0.0)
        return std::nullopt;
    return root * root;
}

} // namespace

bool HasAngles(const ChartKind& kind) { return kind.code != kMasterChart && kind.code != kNoChartKind; }

const std::vector<double>& DefaultTargetAngles()
{
    static const std::vector<double> angles = {45, 90, 120, 135, 180, 225, 240, 270, 315, 0};
    return angles;
}

Result<int> FindCell(CBaseDraw& chart, const ChartKind& kind, const CellQuery& query)
{
    switch (query.by) {
    case CellQuery::By::Price: return FindByPrice(chart, kind, query.price);
    case CellQuery::By::Date: return FindByDate(chart, kind, query.day);
    case CellQuery::By::Number: break;
    }
    return FindByNumber(chart, kind, query.number);
}

Target CellTarget(CBaseDraw& chart, const ChartKind& kind, int n)
{
    const CellFacts facts = FactsOfCell(chart, kind, n);
    Target target;
    target.number = n;
    target.ring = facts.ring;
    target.angle = facts.angle;
    target.price = chart.CellPrice(n);
    target.date = DayText(chart.CellDay(n));
    target.centre = facts.centre;
    return target;
}

std::vector<Target> TargetsOf(CBaseDraw& chart, const ChartKind& kind, int pivot, const std::vector<double>& angles,
                              int turns)
{
    std::vector<Target> targets;
    if (!HasAngles(kind) || pivot < 1 || pivot > CellCount(chart, kind))
        return targets;
    const Target from = CellTarget(chart, kind, pivot);
    const std::optional<CalendarDay> fromDay = chart.CellDay(pivot);
    const int lowest = std::max(-turns, kind.firstRing - from.ring);
    const int highest = std::min(turns, chart.LayoutRings() - from.ring);
    for (int r = lowest; r <= highest; ++r) {
        const RingSpan span = RingCells(kind, from.ring + r);
        const std::vector<float> ringAngles = RingAngles(chart, span);
        for (const double theta : angles) {
            if ((r == 0 && theta == 0.0) || !(theta > -360.0 && theta < 360.0))
                continue;
            const double wanted = from.angle + ForwardSign(chart, kind) * theta;
            Target target = CellTarget(chart, kind, NearestCell(span, ringAngles, wanted));
            target.turns = r;
            target.theta = theta;
            target.formulaPrice = FormulaPrice(kind, from.price, theta, r);
            const std::optional<CalendarDay> day = chart.CellDay(target.number);
            target.days = fromDay && day ? DayNumber(*day) - DayNumber(*fromDay) : 0;
            targets.push_back(std::move(target));
        }
    }
    return targets;
}
