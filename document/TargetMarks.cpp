#include "TargetMarks.h"

#include "BaseDraw.h"
#include "ChartKinds.h"
#include "DrawSurface.h"
#include "TargetTable.h"

namespace {

// Screen pixels at zoom 1: the marks stay visible when zoomed out.
constexpr float kTargetWidth = 3.0f;
constexpr float kPivotWidth = 5.0f;
constexpr Color kTargetColor = MakeColor(0, 102, 255);
constexpr Color kPivotColor = MakeColor(230, 0, 38);
constexpr Color kFoundColor = MakeColor(255, 140, 0);

// The box's outline inside it, so that neighbouring boxes do not overlap.
void Outline(CDrawSurface& dc, Rect box, int width, Color color)
{
    const int inset = width / 2;
    box = {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
    const Pen previous = dc.SelectPen({PenStyle::Solid, width, color});
    dc.MoveTo(box.left, box.top);
    dc.LineTo(box.right, box.top);
    dc.LineTo(box.right, box.bottom);
    dc.LineTo(box.left, box.bottom);
    dc.LineTo(box.left, box.top);
    dc.SelectPen(previous);
}

void Ring(CDrawSurface& dc, Rect box, int width, Color color)
{
    box = {box.left - width, box.top - width, box.right + width, box.bottom + width};
    const Pen pen = dc.SelectPen({PenStyle::Solid, width, color});
    const Brush brush = dc.SelectBrush(Brush::Hollow());
    dc.Ellipse(box);
    dc.SelectBrush(brush);
    dc.SelectPen(pen);
}

} // namespace

CTargetMarks::CTargetMarks()
    : m_angles(DefaultTargetAngles())
{
}

// The rows go at the next Update, which then reports the change.
void CTargetMarks::Clear()
{
    m_found = 0;
    m_pivot = 0;
}

bool CTargetMarks::Update(CBaseDraw& chart, const ChartKind& kind)
{
    const long long cells = kind.cellCount(chart.LayoutRings());
    if (m_found > cells)
        m_found = 0;
    if (m_pivot > cells || !HasAngles(kind))
        m_pivot = 0;
    std::optional<Target> pivotRow;
    std::vector<Target> targets;
    if (m_pivot != 0) {
        pivotRow = CellTarget(chart, kind, m_pivot);
        targets = TargetsOf(chart, kind, m_pivot, m_angles, m_turns);
    }
    const bool changed = pivotRow != m_pivotRow || targets != m_targets;
    m_pivotRow = std::move(pivotRow);
    m_targets = std::move(targets);
    m_chartKey = TargetChartKey(chart, kind);
    return changed;
}

std::optional<std::string> CTargetMarks::Csv() const
{
    if (!m_pivotRow)
        return std::nullopt;
    return TargetTable::Csv(*m_pivotRow, m_targets, TargetTable::Headers::Interface);
}

std::optional<std::string> CTargetMarks::Ics(std::int64_t stamp) const
{
    if (!m_pivotRow)
        return std::nullopt;
    return TargetTable::Ics(*m_pivotRow, m_targets, m_chartKey, stamp);
}

void CTargetMarks::Draw(CBaseDraw& chart, CDrawSurface& dc) const
{
    for (const Target& t : m_targets)
        Outline(dc, chart.MarkBox(t.number), chart.UnitsOfPixels(kTargetWidth), kTargetColor);
    if (m_pivot != 0)
        Outline(dc, chart.MarkBox(m_pivot), chart.UnitsOfPixels(kPivotWidth), kPivotColor);
    if (m_found != 0)
        Ring(dc, chart.MarkBox(m_found), chart.UnitsOfPixels(kTargetWidth), kFoundColor);
}
