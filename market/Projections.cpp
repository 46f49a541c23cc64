#include "Projections.h"

#include "BarTime.h"
#include "BaseDraw.h"
#include "CalendarDay.h"
#include "PivotTargets.h"
#include "Swings.h"
#include "TradingDays.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Squares of moves longer than this many days reach no calendar anyone
// keeps (nor fit a day number once counted).
constexpr double kMaxSquareDays = 1e7;

// Keeps the projections of one swing that fall within the options' days.
class Projector {
public:
    Projector(std::size_t swing, const ProjectionOptions& options, std::vector<Projection>& out)
        : m_swing(swing), m_options(options), m_out(out)
    {
    }
    void Add(ProjectionMethod method, double count, std::int64_t day) const
    {
        if (day >= m_options.first && day <= m_options.last)
            m_out.push_back({m_swing, method, count, day});
    }

private:
    std::size_t m_swing;
    const ProjectionOptions& m_options;
    std::vector<Projection>& m_out;
};

// The same month and day years later; 29 February falls on 28 February in
// a common year.
std::int64_t YearsAfter(std::int64_t day, std::int64_t years)
{
    CalendarDay date = DayOfNumber(day);
    date.year += years;
    if (date.month == 2 && date.day == 29 && !(DayOfNumber(DayNumber(date)) == date))
        date.day = 28;
    return DayNumber(date);
}

void ProjectCounts(std::int64_t from, const ProjectionOptions& o, const CTradingDays& days, const Projector& p)
{
    const bool calendar = o.methods[static_cast<int>(ProjectionMethod::Calendar)];
    for (const int count : o.counts) {
        if (calendar)
            p.Add(ProjectionMethod::Calendar, count, from + count);
        if (o.methods[static_cast<int>(ProjectionMethod::Trading)])
            p.Add(ProjectionMethod::Trading, count, days.After(from, count));
    }
    if (!calendar || !o.wholeYears)
        return;
    for (std::int64_t years = 1, day = YearsAfter(from, 1); day <= o.last; day = YearsAfter(from, ++years))
        p.Add(ProjectionMethod::Calendar, static_cast<double>(day - from), day);
}

void ProjectSquare(const Swing& swing, std::int64_t from, const ProjectionOptions& o, const CTradingDays& days,
                   double step, const Projector& p)
{
    const double count = std::round(std::fabs(swing.move) / std::fabs(step) * o.scale);
    if (!(count >= 1 && count <= kMaxSquareDays))
        return;
    const auto whole = static_cast<std::int64_t>(count);
    p.Add(ProjectionMethod::Square, count, from + whole);
    p.Add(ProjectionMethod::Square, count, days.After(from, whole));
}

// The dated targets of price cells, found once for swings that share a cell.
class ChartTargets {
public:
    ChartTargets(CBaseDraw& chart, const ChartKind& kind) : m_chart(chart), m_kind(kind) {}

    const std::vector<Target>& Of(double price)
    {
        const Result<int> cell = FindCell(m_chart, m_kind, CellQuery{CellQuery::By::Price, price, 0, 0});
        const int n = cell.Ok() ? cell.Value() : 0;
        auto known = m_targets.find(n);
        if (known != m_targets.end())
            return known->second;
        std::vector<Target> dated;
        if (n != 0)
            for (Target& t : TargetsOf(m_chart, m_kind, n, DefaultTargetAngles(), 1))
                if (!t.date.empty())
                    dated.push_back(std::move(t));
        return m_targets.emplace(n, std::move(dated)).first->second;
    }

private:
    CBaseDraw& m_chart;
    const ChartKind& m_kind;
    std::map<int, std::vector<Target>> m_targets;
};

// Targets dated on or before the swing's day tell nothing of a turn to come.
void ProjectChart(const Swing& swing, std::int64_t from, ChartTargets& targets, const Projector& p)
{
    for (const Target& t : targets.Of(swing.price)) {
        const std::int64_t day = *BarTime::Parse(t.date) / BarTime::kSecondsPerDay;
        if (day > from)
            p.Add(ProjectionMethod::Chart, t.theta + 360.0 * t.turns, day);
    }
}

} // namespace

const char* MethodName(ProjectionMethod method)
{
    static const char* const names[kProjectionMethods] = {"calendar", "trading", "chart", "square"};
    return names[static_cast<int>(method)];
}

std::vector<int> ProjectionOptions::DefaultCounts()
{
    return {30, 45, 60, 90, 120, 135, 144, 180, 225, 240, 270, 315, 360};
}

std::vector<Projection> ProjectDates(const std::vector<Swing>& swings, const ProjectionOptions& options,
                                     const CTradingDays& days, CBaseDraw& chart, const ChartKind& kind)
{
    std::vector<Projection> out;
    ChartTargets targets(chart, kind);
    const double step = chart.m_fPriceStep;
    for (std::size_t i = 0; i < swings.size(); ++i) {
        const Swing& swing = swings[i];
        if (!swing.confirmed)
            continue;
        const Projector p(i, options, out);
        const std::int64_t from = BarDayNumber(swing.time);
        ProjectCounts(from, options, days, p);
        if (options.methods[static_cast<int>(ProjectionMethod::Chart)])
            ProjectChart(swing, from, targets, p);
        if (options.methods[static_cast<int>(ProjectionMethod::Square)] && step != 0.0f)
            ProjectSquare(swing, from, options, days, step, p);
    }
    // A whole year may be one of the counts too, and a square's trading
    // days its calendar days.
    const auto key = [](const Projection& a) { return std::make_tuple(a.day, a.swing, a.method, a.count); };
    std::sort(out.begin(), out.end(), [&key](const Projection& a, const Projection& b) { return key(a) < key(b); });
    out.erase(std::unique(out.begin(), out.end(), [&key](const Projection& a, const Projection& b) { return key(a) == key(b); }),
              out.end());
    return out;
}
