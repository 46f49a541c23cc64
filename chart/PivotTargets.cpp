#include "PivotTargets.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"
#include "UiText.h"

#include <algorithm>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// Cell angles come from integer centres through single-precision atan: two
// cells mirrored about the wanted angle differ by rounding only.
constexpr double kTieDegrees = 1e-3;

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

// The number whose period the date falls in by plain arithmetic, before
// daylight saving and a start time other than midnight move it a cell.
std::optional<double> DateEstimate(const CBaseDraw& chart, const CalendarDay& start, const CalendarDay& wanted)
{
    if (chart.m_nTimeStep == 0)
        return 1.0;
    if (chart.m_nPeriod == Period::Month)
        return static_cast<double>((wanted.year - start.year) * 12 + (wanted.month - start.month)) /
                   chart.m_nTimeStep + 1.0;
    const double periodDays = (chart.m_nPeriod == Period::Week ? 7.0 : 1.0) * chart.m_nTimeStep;
    return static_cast<double>(DayNumber(wanted) - DayNumber(start)) / periodDays + 1.0;
}

// By months a cell covers its month, which is all its label names.
bool OnDay(const CBaseDraw& chart, const CalendarDay& cell, const CalendarDay& wanted)
{
    if (chart.m_nPeriod == Period::Month)
        return cell.year == wanted.year && cell.month == wanted.month;
    return cell == wanted;
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

// One cell a walk from the pivot passes, with the angle swept from the
// pivot to it, counted the way the walk goes.
struct Swept {
    double angle = 0;
    int number = 0;
};

bool operator<(const Swept& a, const Swept& b)
{
    return a.angle < b.angle || (a.angle == b.angle && a.number < b.number);
}

// The angle from cell angle a to cell angle b, between -180 and 180
// degrees, positive the way a walk goes when way is +1.
double StepAngle(float a, float b, double way)
{
    double d = std::fmod(static_cast<double>(b) - a, 360.0);
    if (d > 180.0)
        d -= 360.0;
    else if (d <= -180.0)
        d += 360.0;
    return way * d;
}

// The cells from pivot on, step (+1 or -1) at a time, each with the angle
// swept to it, sorted by that angle: the sums need not grow at every step,
// so they are looked up sorted. The walk ends at the chart's edge, or a
// full turn past reach, since a spiral never sweeps back a whole turn.
std::vector<Swept> Walk(CBaseDraw& chart, const ChartKind& kind, int pivot, int step, double reach)
{
    const Point centre = chart.ChartRect().Center();
    const long long cells = CellCount(chart, kind);
    const double way = step * ForwardSign(chart, kind);
    float distance = 0.0f;
    float angle = CBaseDraw::AngleFromCenter(chart.GetCellCenter(pivot), centre, distance);
    bool central = distance == 0.0f;
    double swept = 0.0;
    double furthest = 0.0;
    std::vector<Swept> walk{{0.0, pivot}};
    for (long long n = pivot + step; n >= 1 && n <= cells && furthest <= reach + 360.0; n += step) {
        const float next = CBaseDraw::AngleFromCenter(chart.GetCellCenter(static_cast<int>(n)), centre, distance);
        // A step to or from the centre cell turns by no angle.
        if (!central && distance != 0.0f)
            swept += StepAngle(angle, next, way);
        central = distance == 0.0f;
        angle = next;
        furthest = std::max(furthest, swept);
        walk.push_back({swept, static_cast<int>(n)});
    }
    std::sort(walk.begin(), walk.end());
    return walk;
}

// The cell of a sorted walk whose swept angle lies nearest wanted (above
// 0), the lower number within kTieDegrees; 0 where the walk left the chart
// before sweeping that far.
int NearestOnWalk(const std::vector<Swept>& walk, double wanted)
{
    if (walk.empty() || walk.back().angle < wanted - kTieDegrees)
        return 0;
    const auto at = std::lower_bound(walk.begin(), walk.end(), Swept{wanted, 0});
    double nearest = at == walk.end() ? HUGE_VAL : at->angle - wanted;
    if (at != walk.begin())
        nearest = std::min(nearest, wanted - std::prev(at)->angle);
    const double within = nearest + kTieDegrees;
    const auto first = std::lower_bound(walk.begin(), walk.end(), Swept{wanted - within, 0});
    const auto last = std::upper_bound(walk.begin(), walk.end(), Swept{wanted + within, INT_MAX});
    return std::min_element(first, last, [](const Swept& a, const Swept& b) { return a.number < b.number; })->number;
}

std::optional<double> FormulaPrice(const ChartKind& kind, double pivotPrice, double theta, int turns)
{
    if (!IsSquare(kind) || !(pivotPrice >= 0.0))
        return std::nullopt;
    const double root = std::sqrt(pivotPrice) + (theta + 360.0 * turns) / 180.0;
    if (!(root >= 0.0) || !std::isfinite(root * root))
        return std::nullopt;
    return root * root;
}

} // namespace

bool operator==(const Target& a, const Target& b)
{
    const auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    const bool sameFormula = a.formulaPrice.has_value() == b.formulaPrice.has_value() &&
        (!a.formulaPrice || same(*a.formulaPrice, *b.formulaPrice));
    return a.turns == b.turns && same(a.theta, b.theta) && a.number == b.number && a.ring == b.ring &&
        same(a.angle, b.angle) && same(a.price, b.price) && sameFormula && a.date == b.date && a.days == b.days &&
        a.centre == b.centre;
}

bool HasAngles(const ChartKind& kind) { return kind.code != kMasterChart && kind.code != kNoChartKind; }

const std::vector<double>& DefaultTargetAngles()
{
    static const std::vector<double> angles = {45, 90, 120, 135, 180, 225, 240, 270, 315, 0};
    return angles;
}

bool IsTargetAngle(double theta) { return theta > -720.0 && theta < 720.0; }

std::string TargetChartKey(const CBaseDraw& chart, const ChartKind& kind)
{
    char text[160];
    std::snprintf(text, sizeof text, "%d %+g %.9g %.9g %" PRId64 " %d %d", static_cast<int>(kind.code),
                  ForwardSign(chart, kind), static_cast<double>(chart.m_fStartPrice),
                  static_cast<double>(chart.m_fPriceStep), static_cast<std::int64_t>(chart.m_tStartTime),
                  chart.m_nTimeStep, static_cast<int>(chart.m_nPeriod));
    return text;
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
    const auto wanted = [](double theta, int r) { return theta + 360.0 * r; };
    double outward = 0.0;
    double inward = 0.0;
    for (const double theta : angles) {
        outward = std::max({outward, wanted(theta, turns), wanted(theta, -turns)});
        inward = std::max({inward, -wanted(theta, turns), -wanted(theta, -turns)});
    }
    const std::vector<Swept> forward = outward > 0.0 ? Walk(chart, kind, pivot, 1, outward) : std::vector<Swept>();
    const std::vector<Swept> backward = inward > 0.0 ? Walk(chart, kind, pivot, -1, inward) : std::vector<Swept>();
    const Target from = CellTarget(chart, kind, pivot);
    const std::optional<CalendarDay> fromDay = chart.CellDay(pivot);
    for (int r = -turns; r <= turns; ++r) {
        for (const double theta : angles) {
            const double w = wanted(theta, r);
            // An angle of no turn at all is the pivot itself.
            if (w == 0.0 || !IsTargetAngle(theta))
                continue;
            const int n = w > 0.0 ? NearestOnWalk(forward, w) : NearestOnWalk(backward, -w);
            if (n == 0)
                continue;
            Target target = CellTarget(chart, kind, n);
            target.turns = r;
            target.theta = theta;
            target.formulaPrice = FormulaPrice(kind, from.price, theta, r);
            const std::optional<CalendarDay> day = chart.CellDay(n);
            target.days = fromDay && day ? DayNumber(*day) - DayNumber(*fromDay) : 0;
            targets.push_back(std::move(target));
        }
    }
    return targets;
}
