#include "SwingCells.h"

#include "BarTime.h"
#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartMath.h"
#include "LocalMidnight.h"
#include "PivotTargets.h"
#include "Swings.h"



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
    cell.dateCell = DateCell(BarDayNumber(time));
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
    const std::optional<std::int64_t> midnight = LocalMidnight(BarTime::Text(day * BarTime::kSecondsPerDay, false));
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
        facts.centre == m_chart.ChartRect().Center() ? std::nullopt : std::optional<double>(ShortestDecimal(facts.angle));
    m_angles.emplace(*cell, angle);
    return angle;
}
