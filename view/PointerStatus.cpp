#include "PointerStatus.h"

#include "BaseDraw.h"
#include "UiText.h"

#include <cmath>
#include <cstdio>

namespace {

// Tenths, without a trailing ".0": 60, 61.8.
std::string Tenths(double value)
{
    char text[32];
    const double rounded = std::round(value * 10.0) / 10.0;
    if (rounded == std::floor(rounded))
        std::snprintf(text, sizeof text, "%.0f", rounded);
    else
        std::snprintf(text, sizeof text, "%.1f", rounded);
    return text;
}

std::string DescribeCell(const CellFacts& facts)
{
    // 359.96 degrees would round to 360.0, which is 0.0.
    double angle = std::round(static_cast<double>(facts.angle) * 10.0) / 10.0;
    if (angle >= 360.0)
        angle -= 360.0;
    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%.1f", angle);
    return FillIn(UiText("PointerStatus", "单元格 %1　价格 %2　日期 %3　环 %4　角度 %5°"),
        {std::to_string(facts.number), facts.price, facts.date, std::to_string(facts.ring), degrees});
}

} // namespace

PointerStatus DescribePointer(const std::optional<CellFacts>& cell, float zoom, const std::string& body,
                              const std::optional<CellFacts>& found)
{
    std::string text = cell ? DescribeCell(*cell) : std::string();
    if (!text.empty() && !body.empty())
        text += "　";
    return {text + body, found ? FillIn(UiText("PointerStatus", "找到：%1"), {DescribeCell(*found)}) : std::string(),
            FillIn(UiText("PointerStatus", "缩放 %1%"), {Tenths(static_cast<double>(zoom) * 100.0)})};
}

std::string FullDate(const std::optional<CalendarDay>& day, bool byMonth)
{
    if (!day)
        return "?";
    char text[48];
    if (byMonth)
        std::snprintf(text, sizeof text, "%04lld-%02d", static_cast<long long>(day->year), day->month);
    else
        std::snprintf(text, sizeof text, "%04lld-%02d-%02d", static_cast<long long>(day->year), day->month, day->day);
    return text;
}
