#include "BaseDraw.h"

// STUB: to be implemented (mouse operations).
bool CBaseDraw::BeginOverlayDrag(Point) { return false; }
bool CBaseDraw::DragOverlay(Point) { return false; }
bool CBaseDraw::EndOverlayDrag() { return false; }
int CBaseDraw::OnLButtonDown(unsigned, int, int) { return 0; }
int CBaseDraw::AddComment(int, int) { return 0; }
void CBaseDraw::OnMouseMove(unsigned, int, int) {}
void CBaseDraw::OnLButtonUp(unsigned, int, int) {}
void CBaseDraw::OnLButtonDblClk(unsigned, int, int) {}
int CBaseDraw::OnRButtonDown(unsigned, int, int) { return 0; }
