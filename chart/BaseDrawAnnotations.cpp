#include "BaseDraw.h"

// STUB: to be implemented (lines, notes, overlays).
void CBaseDraw::DrawArrowLine(int, int, int, int, CDrawSurface&) {}
void CBaseDraw::DrawDivisions(CDrawSurface&) {}
void CBaseDraw::DrawSquaresAndTriangle(CDrawSurface&) {}
void CBaseDraw::DrawLines(CDrawSurface&) {}
void CBaseDraw::DrawComments(CDrawSurface&) {}
float CBaseDraw::AngleFromCenter(Point, Point, float& distance) { distance = 0; return 0; }
Point CBaseDraw::OverlayPoint(double, float) const { return {}; }
void CBaseDraw::DrawDraggedLine(CDrawSurface&, Point, Point, int) {}
void CBaseDraw::DrawPolygonOverlay(CDrawSurface&, int, float, float, const Pen&, const Pen&, Color, Rect&) {}
