#pragma once

#include "PivotTargets.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CBaseDraw;
class CDrawSurface;
struct ChartKind;

// What the view marks over its chart without storing it anywhere: the cell
// 查找 found, the pivot of the target tool and the pivot's targets. Only
// the cell numbers, angles and turns are kept; the rows are recomputed from
// them after each paint, so that they follow the chart's layout and
// parameters.
class CTargetMarks {
public:
    CTargetMarks();

    void Clear();
    bool Empty() const { return m_found == 0 && m_pivot == 0; }

    void SetFound(int n) { m_found = n; }
    void SetPivot(int n) { m_pivot = n; }
    void SetAngles(std::vector<double> angles) { m_angles = std::move(angles); }
    void SetTurns(int turns) { m_turns = turns; }

    int Found() const { return m_found; }
    int Pivot() const { return m_pivot; }
    const std::vector<double>& Angles() const { return m_angles; }
    int Turns() const { return m_turns; }
    // The pivot's own row and its targets as of the last Update.
    const std::optional<Target>& PivotRow() const { return m_pivotRow; }
    const std::vector<Target>& Targets() const { return m_targets; }

    // The pivot and its targets as the window exports them, nothing without
    // a pivot: CSV headed in the interface's language, and an iCalendar file
    // (stamped with stamp, seconds since 1970 UTC), nothing too when no
    // target has a date.
    std::optional<std::string> Csv() const;
    std::optional<std::string> Ics(std::int64_t stamp) const;

    // Recomputes the rows on chart, laid out by its last paint; a cell no
    // longer on the chart is dropped. True when any row changed.
    bool Update(CBaseDraw& chart, const ChartKind& kind);

    // Outlines the targets and the pivot and rings the found cell, over the
    // painted chart, in lines of the same width on the screen at any zoom.
    void Draw(CBaseDraw& chart, CDrawSurface& dc) const;

private:
    int m_found = 0;
    int m_pivot = 0;
    std::vector<double> m_angles;
    int m_turns = 1;
    std::optional<Target> m_pivotRow;
    std::vector<Target> m_targets;
    std::string m_chartKey; // TargetChartKey of the chart the rows are of
};
