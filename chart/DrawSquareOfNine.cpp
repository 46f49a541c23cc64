#include "DrawSquareOfNine.h"

// STUB: to be implemented.
CDrawSquareOfNine::CDrawSquareOfNine() { m_bClockwise = true; }
void CDrawSquareOfNine::Draw(CDrawSurface& dc) { CBaseDraw::Draw(dc); }
float CDrawSquareOfNine::GetOuterRadius() { return 0; }
Point CDrawSquareOfNine::GetCellCenter(int) { return {}; }
int CDrawSquareOfNine::HitTest(int, int) { return 0; }
int CDrawSquareOfNine::SetRings(int rings) { m_nRings = rings + 1; return m_nRings; }
int CDrawSquareOfNine::GetRings() { return m_nRings - 1; }
std::string CDrawSquareOfNine::GetName() { return "Square Of Nine"; }
void CDrawSquareOfNine::PositionOf(int, int, bool, int& row, int& col) { row = col = 0; }
int CDrawSquareOfNine::NumberAt(int, int, int, bool) { return 0; }
