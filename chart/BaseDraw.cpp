#include "BaseDraw.h"

#include "ChartHost.h"
#include "ChartMath.h"
#include "OleDateTimeEx.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

// printf into a std::string; labels are short.
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char buffer[256];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(n));
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<size_t>(n));
    return text;
}

// Decimal places that "%8.5f" of value shows once trailing zeros and a
// trailing point are removed.
int DecimalsOf(float value)
{
    std::string text = Format("%8.5f", static_cast<double>(value));
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;
// The labels' font height in chart units at zoom 1.
constexpr double kLabelFontHeight = 14.0;

// Any year, however far: leap years repeat every 400 years.
int DaysInMonth(std::int64_t year, int month)
{
    return COleDateTimeEx::DaysInMonth(month, static_cast<int>(year % 400) + 2000);
}

} // namespace

CBaseDraw::CBaseDraw() { m_tStartTime = static_cast<std::int64_t>(std::time(nullptr)); }

// The first date label of every pass shows its year.
void CBaseDraw::Draw(CDrawSurface& /*dc*/)
{
    m_nLastYear = 0;
    UpdateLayout();
}

float CBaseDraw::GetOuterRadius() { return 0.0f; }

int CBaseDraw::SetRings(int rings)
{
    m_nRings = rings;
    return m_nRings;
}

int CBaseDraw::GetRings() const { return m_nRings; }

int CBaseDraw::UnitsOfPixels(float pixels) const { return std::max(1, TruncToInt(pixels / m_fZoom)); }

int CBaseDraw::LayoutRings() const
{
    const int rings = GetRings();
    return 0 <= rings && rings <= kMaxRings ? rings : 0;
}

std::string CBaseDraw::GetName() { return {}; }

bool CBaseDraw::CellsFit() const { return true; }

void CBaseDraw::UpdateLayout()
{
    EnsureLayout();
    if (DrawsOverlays())
        SettleOverlayRadii();
}

const Rect& CBaseDraw::ChartRect()
{
    EnsureLayout();
    return m_rcChart;
}

void CBaseDraw::EnsureLayout()
{
    const LayoutInputs inputs = CurrentLayoutInputs();
    if (m_laidOutFor && SameInputs(*m_laidOutFor, inputs))
        return;
    m_laidOutFor = inputs;
    Layout();
}

void CBaseDraw::Layout() {}

// A chart whose cells do not fit draws nothing.
bool CBaseDraw::DrawsOverlays() const { return CellsFit(); }

// The wheel's hub and the master chart's cells are fixed sizes, and the
// zoom changes only the labels' font: neither is an input.
CBaseDraw::LayoutInputs CBaseDraw::CurrentLayoutInputs() const
{
    return {m_nRings, m_rcClient, m_bShowCalendarRing, m_bShowAngleRing};
}

bool CBaseDraw::SameInputs(const LayoutInputs& a, const LayoutInputs& b)
{
    return a.rings == b.rings && a.client == b.client && a.calendarRing == b.calendarRing &&
           a.angleRing == b.angleRing;
}

Rect CBaseDraw::BoxAbout(int n, int halfWidth, int halfHeight)
{
    const Point c = GetCellCenter(n);
    return {c.x - halfWidth, c.y - halfHeight, c.x + halfWidth, c.y + halfHeight};
}

void CBaseDraw::Invalidate()
{
    if (m_pView)
        m_pView->InvalidateChart();
}

int CBaseDraw::NaturalDecimals(float startPrice, float priceStep)
{
    const int a = DecimalsOf(startPrice);
    const int b = DecimalsOf(priceStep);
    return a > b ? a : b;
}

void CBaseDraw::UpdateNaturalDecimals() { m_nNaturalDecimals = NaturalDecimals(m_fStartPrice, m_fPriceStep); }

int CBaseDraw::LabelPrecision() const
{
    const int precision = m_nDecimals == -1 ? m_nNaturalDecimals : std::min(m_nDecimals, m_nNaturalDecimals);
    // A file may hold any count: printf takes a negative one for six
    // digits, and a huge one would make every label gigabytes long.
    return std::clamp(precision, 0, kMaxDecimals);
}

float CBaseDraw::CellPrice(int n) const
{
    // Double precision first, one rounding to float at the end.
    return static_cast<float>(static_cast<double>(m_fPriceStep) * (static_cast<double>(n) - 1.0) +
                              static_cast<double>(m_fStartPrice));
}

std::string CBaseDraw::CellDate(int n)
{
    const std::optional<CalendarDay> day = CellDay(n);
    if (!day)
        return "?";
    if (m_nPeriod == Period::Month)
        return Format("%" PRId64 "/%d", day->year, day->month);
    const int year = static_cast<int>(day->year);
    if (year != m_nLastYear) {
        m_nLastYear = year;
        return Format("%d/%d/%d", year % 100, day->month, day->day);
    }
    return Format("%d/%d", day->month, day->day);
}

std::optional<CalendarDay> CBaseDraw::CellDay(int n) const
{
    const std::int64_t k = (static_cast<std::int64_t>(n) - 1) * m_nTimeStep;
    if (m_nPeriod == Period::Month) {
        const std::optional<CalendarDay> start = LocalDay(m_tStartTime);
        if (!start)
            return std::nullopt;
        // Months before the start (k < 0) wrap back into earlier years.
        std::int64_t year = start->year + k / 12;
        std::int64_t month = start->month - 1 + k % 12;
        if (month > 11) {
            year += 1;
            month -= 12;
        } else if (month < 0) {
            year -= 1;
            month += 12;
        }
        const int m = static_cast<int>(month) + 1;
        return CalendarDay{year, m, std::min(start->day, DaysInMonth(year, m))};
    }
    const std::int64_t seconds = m_nPeriod == Period::Week ? kSecondsPerWeek : kSecondsPerDay;
    std::int64_t offset = 0;
    std::int64_t t = 0;
    if (__builtin_mul_overflow(k, seconds, &offset) || __builtin_add_overflow(m_tStartTime, offset, &t))
        return std::nullopt;
    return LocalDay(t);
}

std::string CBaseDraw::CellPriceText(int n) const
{
    const float price = CellPrice(n);
    if (!std::isfinite(price))
        return kNoPrice;
    return Format("%.*f", LabelPrecision(), static_cast<double>(price));
}

CLabelMemo::Key CBaseDraw::LabelKey() const
{
    return {CLabelMemo::Key::Bits(m_fStartPrice), CLabelMemo::Key::Bits(m_fPriceStep), LabelPrecision(),
            m_tStartTime, m_nTimeStep, m_nPeriod, m_bShowPrice, m_bShowTime, m_bShowN};
}

const std::optional<std::string>& CBaseDraw::ComposeCellLabel(int n)
{
    const CLabelMemo::Key key = LabelKey();
    const int yearBefore = m_nLastYear;
    if (const CLabelMemo::Label* kept = m_labelMemo.Find(key, n, yearBefore)) {
        m_nLastYear = kept->yearAfter;
        return kept->text;
    }
    std::optional<std::string> text = ComposeFreshLabel(n);
    return m_labelMemo.Keep(key, n, yearBefore, {std::move(text), m_nLastYear}).text;
}

std::optional<std::string> CBaseDraw::ComposeFreshLabel(int n)
{
    // The date is computed for every label, shown or not: it moves m_nLastYear.
    const std::string date = CellDate(n);
    std::string label;
    const auto add = [&label](bool shown, const std::string& part) {
        if (shown)
            label += (label.empty() ? "" : "\n") + part;
    };
    add(m_bShowPrice, CellPriceText(n));
    add(m_bShowTime, date);
    add(m_bShowN, std::to_string(n));
    if (!m_bShowPrice && !m_bShowTime && !m_bShowN)
        return std::nullopt;
    return label;
}

void CBaseDraw::DrawLabelInRect(CDrawSurface& dc, const std::string& text, Rect rc)
{
    // Zoomed in, most labels lie beyond the window; laying them out would
    // cost more than the rest of the paint.
    if (dc.MayShowText(text, rc)) {
        Rect measure = rc;
        const int h = dc.DrawText(text, measure,
                                  TextFlags::Center | TextFlags::WordBreak | TextFlags::EditControl |
                                      TextFlags::CalcRect);
        const int shrink = (rc.bottom - rc.top - h) / 2;
        rc.top += shrink;
        rc.bottom -= shrink;
        dc.DrawText(text, rc, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
    }
    dc.SetTextColor(Colors::Black);
}

Font CBaseDraw::LabelFont() const
{
    Font font;
    // The reciprocal in single precision, the product truncated: 23 at zoom 0.6.
    font.height = TruncToInt(kLabelFontHeight * static_cast<double>(1.0f / m_fZoom));
    font.weight = Font::kNormalWeight;
    font.quality = Font::kNonAntialiased;
    font.pitchAndFamily = Font::kSwissFamily;
    font.face = "monaco";
    return font;
}
