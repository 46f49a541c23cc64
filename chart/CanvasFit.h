#pragma once

#include <optional>

class CBaseDraw;

// The canvas a chart of many rings needs: a canvas too small for them leaves
// cells narrower than one unit, and the chart lays out nothing.
namespace CanvasFit {

// The largest canvas side the window gives a chart: room for every ring
// count a chart lays out.
inline constexpr int kMaxCanvas = 1 << 16;

// Gives chart a square canvas of side units with its client area margin
// units inside it.
void SetCanvas(CBaseDraw& chart, int side, int margin);

// The smallest side from smallest to largest of a canvas set by SetCanvas on
// which chart's cells are at least one unit; none where not even largest is
// enough. The chart's canvas and client area are as they were afterwards.
std::optional<int> SmallestCanvas(CBaseDraw& chart, int smallest, int largest, int margin);

} // namespace CanvasFit
