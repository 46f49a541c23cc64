#include "SwingMarks.h"

#include "BarTime.h"
#include "BaseDraw.h"
#include "CalendarTick.h"
#include "ChartKinds.h"
#include "DrawSurface.h"
#include "SwingCells.h"
#include "Swings.h"

#include <string>

namespace {

// Screen pixels at zoom 1.
constexpr float kRingWidth = 3.0f;
constexpr float kDatePixels = 10.0f;

constexpr Color kHighColors[] = {MakeColor(220, 20, 60), MakeColor(255, 120, 0), MakeColor(200, 0, 160)};
constexpr Color kLowColors[] = {MakeColor(0, 150, 60), MakeColor(0, 90, 230), MakeColor(0, 170, 190)};
constexpr std::size_t kPaletteSize = sizeof kHighColors / sizeof kHighColors[0];

void Ring(CDrawSurface& dc, Rect box, const Pen& pen)
{
    box = {box.left - pen.width, box.top - pen.width, box.right + pen.width, box.bottom + pen.width};
    const Pen previousPen = dc.SelectPen(pen);
    const Brush previousBrush = dc.SelectBrush(Brush::Hollow());
    dc.Ellipse(box);
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

// The day in small type just under the ring about box.
void DayText(CBaseDraw& chart, CDrawSurface& dc, Rect box, int ringWidth, const std::string& day, Color color)
{
    Font font = chart.LabelFont();
    font.height = chart.UnitsOfPixels(kDatePixels);
    const Font previousFont = dc.SelectFont(font);
    const Color previousColor = dc.SetTextColor(color);
    const BkMode previousMode = dc.SetBkMode(BkMode::Transparent);
    const Rect measured = CBaseDraw::TextBoxAt(dc, day, {0, 0});
    const Point anchor{box.Center().x, box.bottom + ringWidth + measured.Height() / 2};
    Rect text = CBaseDraw::TextBoxAt(dc, day, anchor);
    dc.DrawText(day, text, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousColor);
    dc.SelectFont(previousFont);
}

} // namespace

void CSwingMarks::Draw(CBaseDraw& chart, const ChartKind& kind, CDrawSurface& dc) const
{
    const bool master = kind.code == kMasterChart;
    const int width = chart.UnitsOfPixels(kRingWidth);
    CSwingCells cells(chart, kind);
    // Neighbouring swings of a kind differ in colour too.
    std::size_t highs = 0, lows = 0;
    for (const Swing& swing : m_swings) {
        const bool high = swing.kind == Swing::Kind::High;
        const Color color = high ? kHighColors[highs++ % kPaletteSize] : kLowColors[lows++ % kPaletteSize];
        const SwingCell cell = cells.Of(swing);
        const std::string day = BarTime::Text(swing.time, false);
        if (cell.priceCell) {
            const Rect box = chart.MarkBox(*cell.priceCell);
            Ring(dc, box, {PenStyle::Solid, width, color});
            DayText(chart, dc, box, width, day, color);
        }
        if (master)
            continue;
        if (m_dateCells && cell.dateCell)
            Ring(dc, chart.MarkBox(*cell.dateCell), {PenStyle::Dot, width, color});
        DrawCalendarTick(chart, dc, BarDayNumber(swing.time), kCalendarTickLength, {PenStyle::Solid, width, color});
    }
}

std::optional<std::size_t> CSwingMarks::SwingAtCell(CBaseDraw& chart, const ChartKind& kind, int cell) const
{
    CSwingCells cells(chart, kind);
    for (std::size_t i = m_swings.size(); i-- > 0;)
        if (cells.Of(m_swings[i]).priceCell == cell)
            return i;
    return std::nullopt;
}
