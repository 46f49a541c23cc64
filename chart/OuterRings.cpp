#include "BaseDraw.h"

// STUB: to be implemented (calendar and angle rings).
void CBaseDraw::DrawOuterRings(Rect, CDrawSurface&) {}
