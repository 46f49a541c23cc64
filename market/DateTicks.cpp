#include "DateTicks.h"

#include "BaseDraw.h"
#include "CalendarTick.h"
#include "DrawSurface.h"

#include <algorithm>
#include <cmath>

namespace {

// Screen pixels at zoom 1.
constexpr float kTickWidth = 3.0f;
constexpr Color kEventColor = MakeColor(20, 110, 170);
// Clusters run from two swings, the palest and shortest, to kStrongest
// swings and more.
constexpr int kStrongest = 6;
constexpr Color kWeakCluster = MakeColor(225, 170, 100);
constexpr Color kStrongCluster = MakeColor(140, 70, 0);
// Chart units.
constexpr int kEventLength = 18;
constexpr int kWeakLength = 24;
constexpr int kStrongLength = 36;

double Strength(const DateTick& tick) { return std::clamp((tick.score - 2) / double(kStrongest - 2), 0.0, 1.0); }

Color ColorOf(const DateTick& tick)
{
    return tick.score == 0 ? kEventColor : MixColor(kWeakCluster, kStrongCluster, Strength(tick));
}

// In chart units, within the ring's labels, which stand about 40 units out:
// the strongest cluster reaches just short of them.
int Length(const DateTick& tick)
{
    if (tick.score == 0)
        return kEventLength;
    return kWeakLength + static_cast<int>(std::lround((kStrongLength - kWeakLength) * Strength(tick)));
}

} // namespace

void CDateTicks::Draw(CBaseDraw& chart, CDrawSurface& dc) const
{
    const int width = chart.UnitsOfPixels(kTickWidth);
    for (const DateTick& tick : m_ticks)
        DrawCalendarTick(chart, dc, tick.day, Length(tick), {PenStyle::Solid, width, ColorOf(tick)});
}
