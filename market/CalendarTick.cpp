#include "CalendarTick.h"

#include "BaseDraw.h"
#include "CalendarDay.h"
#include "DrawSurface.h"

#include <optional>

void DrawCalendarTick(CBaseDraw& chart, CDrawSurface& dc, std::int64_t day, int length, const Pen& pen)
{
    const CalendarDay date = DayOfNumber(day);
    const std::optional<Point> from = chart.CalendarRingPoint(date.month, date.day, 0);
    const std::optional<Point> to = chart.CalendarRingPoint(date.month, date.day, length);
    if (!from || !to)
        return;
    const Pen previous = dc.SelectPen(pen);
    dc.MoveTo(from->x, from->y);
    dc.LineTo(to->x, to->y);
    dc.SelectPen(previous);
}
