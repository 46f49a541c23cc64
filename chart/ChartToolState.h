#pragma once

#include "Geometry.h"
#include "MouseTool.h"

// The mouse tool the view chose, with its pen, and the gesture under way:
// a line being drawn between two cells, a note waiting for its cell, a
// handle being dragged. A gesture lasts from a press to its release; only
// what it leaves in the stored data outlives it.
struct ChartToolState {
    int m_nLineStartCell = 0; // also the cell that receives a note being placed
    int m_nLineEndCell = 0;
    int m_bDragCalendarRing = 0;
    int m_bDragAngleRing = 0;
    bool m_bDragSquares = false;
    bool m_bDragTriangle = false;
    bool m_bDragDivisions = false;
    int m_bPlaceComment = 0;
    MouseTool m_nTool = MouseTool::None;
    int m_nLineWidth = 1;
    Color m_crLineColor = 0;
    int m_bDrawingLine = 0;
};
