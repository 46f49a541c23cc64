#include "ChartCaption.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"
#include "UiText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A page's margin holds about this many Latin letters at the label size.
constexpr std::size_t kLineWidth = 110;
const std::string kSeparator = " · ";

// The time step in its unit, for a step of one and of any other count.
struct StepUnit {
    const char* one;
    const char* many;
};
// By Period: days, weeks, months.
const StepUnit kStepUnits[] = {
    {UI_TEXT_NOOP("ChartCaption", "1 天"), UI_TEXT_NOOP("ChartCaption", "%1 天")},
    {UI_TEXT_NOOP("ChartCaption", "1 周"), UI_TEXT_NOOP("ChartCaption", "%1 周")},
    {UI_TEXT_NOOP("ChartCaption", "1 个月"), UI_TEXT_NOOP("ChartCaption", "%1 个月")},
};

// The width of text in Latin letters: ideographs and full-width forms
// (U+3000 up, lead bytes from 0xE3) take two.
std::size_t TextWidth(const std::string& text)
{
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            width += byte >= 0xE3 ? 2 : 1;
    }
    return width;
}

// Appends the non-empty parts, joined on as few lines as hold them within
// kLineWidth; a part longer than that stands alone.
void AppendLines(std::vector<std::string>& lines, const std::vector<std::string>& parts)
{
    std::string line;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!line.empty() && TextWidth(line) + TextWidth(kSeparator) + TextWidth(part) > kLineWidth) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : kSeparator) + part;
    }
    if (!line.empty())
        lines.push_back(line);
}

// The step with the decimals it has, as a label would print it: 0.25, not
// 0.250000 nor 0.25000000372529.
std::string StepText(float step)
{
    if (!std::isfinite(step))
        return CBaseDraw::kNoPrice;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", CBaseDraw::NaturalDecimals(step, step), static_cast<double>(step));
    return text;
}

std::string TimeStepText(const CBaseDraw& chart)
{
    const int period = std::clamp(static_cast<int>(chart.m_nPeriod), 0, 2);
    const StepUnit& unit = kStepUnits[period];
    if (chart.m_nTimeStep == 1)
        return UiText("ChartCaption", unit.one);
    return FillIn(UiText("ChartCaption", unit.many), {std::to_string(chart.m_nTimeStep)});
}

// The kind as the kind menu names it.
std::string KindTitle(CBaseDraw& chart)
{
    const ChartKind* kind = FindChartKind(chart);
    return kind ? UiText("Commands", kind->title) : chart.GetName();
}

// The planets' moment and place, where the chart draws their ring.
std::string PlanetsPart(const CBaseDraw& chart)
{
    const bool ringShown = chart.m_Planets && (chart.m_bShowAngleRing || chart.m_bShowCalendarRing);
    return ringShown ? chart.m_PlanetCaption : std::string();
}

// pattern filled in with text, or nothing where text is empty.
std::string Part(const char* pattern, const std::string& text)
{
    return text.empty() ? std::string() : FillIn(UiText("ChartCaption", pattern), {text});
}

} // namespace

std::vector<std::string> ChartCaption(CBaseDraw& chart, const CaptionContext& context)
{
    const std::string startDate = CellIsoDate(chart, 1);
    std::vector<std::string> lines;
    AppendLines(lines, {KindTitle(chart),
                        FillIn(UiText("ChartCaption", "价格：起点 %1，步长 %2"),
                               {chart.CellPriceText(1), StepText(chart.m_fPriceStep)}),
                        FillIn(UiText("ChartCaption", "时间：起点 %1，步长 %2"),
                               {startDate.empty() ? "?" : startDate, TimeStepText(chart)}),
                        FillIn(UiText("ChartCaption", "圈数：%1"), {std::to_string(chart.GetRings())}),
                        PlanetsPart(chart)});
    AppendLines(lines, {Part(UI_TEXT_NOOP("ChartCaption", "品种：%1"), context.instrument),
                        Part(UI_TEXT_NOOP("ChartCaption", "支点：%1"), context.pivot),
                        Part(UI_TEXT_NOOP("ChartCaption", "打印日期：%1"), context.printedOn)});
    return lines;
}
