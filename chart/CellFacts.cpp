#include "CellFacts.h"

#include "BaseDraw.h"
#include "CellTable.h"
#include "ChartKinds.h"
#include "DrawHexagon.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kWheelSectors = 24;

int RingOf(const ChartKind& kind, int n, int rings)
{
    switch (kind.code) {
    case kSquareOfNine: return CDrawSquareOfNine::RingOf(n);
    case kSquareOfFour: return CDrawSquareOfFour::RingOf(n);
    case kHexagon: return n < 1 ? 0 : CDrawHexagon::RingOf(n);
    case kWheel: return n < 1 ? 0 : (n - 1) / kWheelSectors + 1;
    case kMasterChart: return n < 1 || rings < 1 ? 0 : (n - 1) % rings + 1;
    default: return 0;
    }
}

// The cell whose label a paint draws just before n's, 0 for the first of the
// pass: a date label shows its year only when the one before shows another.
// The squares are labelled from the highest number down, the hexagon ring by
// ring from the centre, each ring from its last number down, the others in
// number order.
long long LabelBefore(const ChartKind& kind, long long n, long long cells)
{
    switch (kind.code) {
    case kSquareOfNine:
    case kSquareOfFour: return n >= cells ? 0 : n + 1;
    case kHexagon: {
        const long long k = n < 1 ? 1 : CDrawHexagon::RingOf(static_cast<int>(n));
        if (n != 3 * k * (k + 1))
            return n + 1;
        return k == 1 ? 0 : 3 * (k - 2) * (k - 1) + 1;
    }
    default: return n - 1;
    }
}

// The date as the paint labels it, the year state put back afterwards.
std::string LabelDate(CBaseDraw& chart, const ChartKind& kind, int n)
{
    const int saved = chart.m_nLastYear;
    chart.m_nLastYear = 0;
    const long long before = LabelBefore(kind, n, kind.cellCount(chart.LayoutRings()));
    if (before > 0)
        chart.CellDate(static_cast<int>(before));
    std::string date = chart.CellDate(n);
    chart.m_nLastYear = saved;
    return date;
}

} // namespace

int CellAt(CBaseDraw& chart, const ChartKind& kind, Point pt)
{
    // The squares and the master chart lay m_rcChart over their cells; the
    // round charts' hit tests answer 0 beside their circles themselves.
    if (!chart.ChartRect().Contains(pt))
        return 0;
    const int n = chart.HitTest(pt.x, pt.y);
    return n >= 1 && n <= kind.cellCount(chart.LayoutRings()) ? n : 0;
}

CellFacts FactsOfCell(CBaseDraw& chart, const ChartKind& kind, int n)
{
    CellFacts facts;
    facts.number = n;
    facts.price = chart.CellPriceText(n);
    facts.date = LabelDate(chart, kind, n);
    facts.exactPrice = CellTable::PriceText(chart.CellPrice(n));
    facts.isoDate = CellIsoDate(chart, n);
    facts.ring = RingOf(kind, n, chart.LayoutRings());
    facts.centre = chart.GetCellCenter(n);
    float distance = 0.0f;
    const float angle = CBaseDraw::AngleFromCenter(facts.centre, chart.ChartRect().Center(), distance);
    // The atan of a point straight right can come out as -0, printed "-0.00".
    facts.angle = angle > 0.0f ? angle : 0.0f;
    return facts;
}

double CellPitch(CBaseDraw& chart)
{
    const Point a = chart.GetCellCenter(1);
    const Point b = chart.GetCellCenter(2);
    return std::hypot(static_cast<double>(b.x - a.x), static_cast<double>(b.y - a.y));
}

// A chart's start is local midnight when set through the command line or the
// date fields; a file may hold another time of day, which every cell shares.
std::string CellIsoDate(const CBaseDraw& chart, int n)
{
    const std::optional<CalendarDay> day = chart.CellDay(n);
    if (!day)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04" PRId64 "-%02d-%02d", day->year, day->month, day->day);
    std::string date = text;
    const std::time_t start = static_cast<std::time_t>(chart.m_tStartTime);
    std::tm tm{};
    if (localtime_r(&start, &tm) && (tm.tm_hour || tm.tm_min || tm.tm_sec)) {
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
        date += text;
    }
    return date;
}
