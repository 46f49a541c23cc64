#pragma once

class CBaseDraw;

// The canvas a chart of many rings needs: a canvas too small for them leaves
// cells narrower than one unit, and the chart lays out nothing.
namespace CanvasFit {

// The largest canvas side CanvasForCells gives: room for every ring count a
// chart lays out.
inline constexpr int kMaxCanvas = 1 << 16;

// Gives chart the smallest square canvas from canvas up, its client area
// margin units inside, on which its cells are at least one unit, and returns
// its side. Rings that give no layout on any canvas keep canvas.
int CanvasForCells(CBaseDraw& chart, int canvas, int margin);

} // namespace CanvasFit
