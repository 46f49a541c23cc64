#include "SwingCells.h"

#include "BaseDraw.h"
#include "CalendarDay.h"
#include "CellFacts.h"
#include "LocalMidnight.h"
#include "PivotTargets.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FlooredDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

} // namespace

CalendarDay BarDay(std::int64_t time)
{
    // The inverse of DayNumber: eras of 400 years from a year that starts in March.
    const std::int64_t z = FlooredDiv(time, kSecondsPerDay) + 719468;
    const std::int64_t era = FlooredDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

std::string BarTimeText(std::int64_t time, bool intraday)
{
    const CalendarDay d = BarDay(time);
    const std::int64_t seconds = time - FlooredDiv(time, kSecondsPerDay) * kSecondsPerDay;
    char text[48];
    if (intraday)
        std::snprintf(text, sizeof text, "%04" PRId64 "-%02d-%02dT%02d:%02d:%02d", d.year, d.month, d.day,
                      static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%04" PRId64 "-%02d-%02d", d.year, d.month, d.day);
    return text;
}

CSwingCells::CSwingCells(CBaseDraw& chart, const ChartKind& kind)
    : m_chart(chart)
    , m_kind(kind)
    , m_hasAngles(::HasAngles(kind))
{
}

SwingCell CSwingCells::Of(double price, std::int64_t time)
{
    SwingCell cell;
    cell.priceCell = PriceCell(price);
    cell.priceAngle = Angle(cell.priceCell);
    cell.dateCell = DateCell(FlooredDiv(time, kSecondsPerDay));
    cell.dateAngle = Angle(cell.dateCell);
    return cell;
}

std::optional<int> CSwingCells::PriceCell(double price)
{
    const Result<int> found = FindCell(m_chart, m_kind, CellQuery{CellQuery::By::Price, price, 0, 0});
    return found.Ok() ? std::optional<int>(found.Value()) : std::nullopt;
}

std::optional<int> CSwingCells::DateCell(std::int64_t day)
{
    const auto known = m_dayCells.find(day);
    if (known != m_dayCells.end())
        return known->second;
    std::optional<int> cell;
    // The chart's cells are local calendar days: the bar's civil day is found as the local midnight of that day.
    const std::optional<std::int64_t> midnight = LocalMidnight(BarTimeText(day * kSecondsPerDay, false));
    if (midnight) {
        const Result<int> found = FindCell(m_chart, m_kind, CellQuery{CellQuery::By::Date, 0, *midnight, 0});
        if (found.Ok())
            cell = found.Value();
    }
    m_dayCells.emplace(day, cell);
    return cell;
}

std::optional<double> CSwingCells::Angle(const std::optional<int>& cell)
{
    if (!cell || !m_hasAngles)
        return std::nullopt;
    const auto known = m_angles.find(*cell);
    if (known != m_angles.end())
        return known->second;
    // The centre cell lies at no angle about itself.
    const CellFacts facts = FactsOfCell(m_chart, m_kind, *cell);
    const std::optional<double> angle =
        facts.centre == m_chart.ChartRect().Center() ? std::nullopt : std::optional<double>(facts.angle);
    m_angles.emplace(*cell, angle);
    return angle;
}
