// The chart's side of the mouse tools: notes, handle drags that turn and size
// the overlays and rings, line drags that store lines, tangent marks and fills,
// and right-click removal.

#include "BaseDraw.h"

#include "ChartHost.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

// The five drag handles, in the order in which presses, moves and releases test them.
enum class Handle { Triangle, Squares, Divisions, CalendarRing, AngleRing };
constexpr Handle kHandles[] = {Handle::Triangle, Handle::Squares, Handle::Divisions, Handle::CalendarRing,
                               Handle::AngleRing};

const Rect& HandleRect(const CBaseDraw& c, Handle h)
{
    switch (h) {
    case Handle::Triangle: return c.m_rcTriangleHandle;
    case Handle::Squares: return c.m_rcSquaresHandle;
    case Handle::Divisions: return c.m_rcDivisionsHandle;
    case Handle::CalendarRing: return c.m_rcCalendarHandle;
    case Handle::AngleRing: break;
    }
    return c.m_rcAngleHandle;
}

bool IsShown(const CBaseDraw& c, Handle h)
{
    switch (h) {
    case Handle::Triangle: return c.m_bShowTriangle != 0;
    case Handle::Squares: return c.m_bShowSquares != 0;
    case Handle::Divisions: return c.m_bShowDivisions != 0;
    case Handle::CalendarRing: return c.m_bShowCalendarRing;
    case Handle::AngleRing: break;
    }
    return c.m_bShowAngleRing;
}

bool IsDragged(const CBaseDraw& c, Handle h)
{
    switch (h) {
    case Handle::Triangle: return c.m_bDragTriangle;
    case Handle::Squares: return c.m_bDragSquares;
    case Handle::Divisions: return c.m_bDragDivisions;
    case Handle::CalendarRing: return c.m_bDragCalendarRing != 0;
    case Handle::AngleRing: break;
    }
    return c.m_bDragAngleRing != 0;
}

void SetDragged(CBaseDraw& c, Handle h, bool on)
{
    switch (h) {
    case Handle::Triangle: c.m_bDragTriangle = on; return;
    case Handle::Squares: c.m_bDragSquares = on; return;
    case Handle::Divisions: c.m_bDragDivisions = on; return;
    case Handle::CalendarRing: c.m_bDragCalendarRing = on; return;
    case Handle::AngleRing: c.m_bDragAngleRing = on; return;
    }
}

std::optional<Handle> FirstDragged(const CBaseDraw& c)
{
    for (Handle h : kHandles)
        if (IsDragged(c, h))
            return h;
    return std::nullopt;
}

bool OverAnyHandle(const CBaseDraw& c, Point pt)
{
    for (Handle h : kHandles)
        if (HandleRect(c, h).Contains(pt))
            return true;
    return false;
}

// Turns the dragged figure so that its handle follows the pointer; the
// overlays also take the pointer's distance as their radius, the rings keep
// their size.
void ApplyDrag(CBaseDraw& c, Handle h, float angle, float distance)
{
    switch (h) {
    case Handle::Triangle:
        c.m_fTriangleAngle = angle;
        c.m_fTriangleRadius = distance;
        return;
    case Handle::Squares:
        c.m_fSquaresAngle = angle;
        c.m_fSquaresRadius = distance;
        return;
    case Handle::Divisions:
        c.m_fDivisionsAngle = angle;
        c.m_fDivisionsRadius = distance;
        return;
    case Handle::CalendarRing: c.m_fCalendarAngle = angle; return;
    case Handle::AngleRing: c.m_fAngleRingAngle = angle; return;
    }
}

std::string LineKey(int startCell, int endCell)
{
    char key[32];
    std::snprintf(key, sizeof key, "%d/%d", startCell, endCell);
    return key;
}

// A new note as the note dialog opens: 16-unit font, black on yellow. The
// dialog supplies the interface font's face.
Comments NewNote()
{
    Comments note;
    note.m_nHeight = 16;
    note.m_nWeight = Font::kNormalWeight;
    note.m_crText = Colors::Black;
    note.m_crBack = Colors::Yellow;
    return note;
}

// At the end of a line drag: a line between two different cells (line and
// arrow tools), or a tangent mark or fill on a clicked cell. An existing
// mark is never replaced; lines between the same cells are added beside.
void StoreToolResult(CBaseDraw& c)
{
    const int start = c.m_nLineStartCell;
    const int end = c.m_nLineEndCell;
    const MouseTool tool = c.m_nTool;
    // The round charts answer 0 for a point on no cell: nothing to mark there.
    if (start < 1 || end < 1)
        return;
    const Cell_Style mark{c.m_nLineWidth, c.m_crLineColor, tool != MouseTool::Square, true};
    const bool arrow = tool == MouseTool::Arrow;
    if (start != end && (tool == MouseTool::Line || arrow))
        c.m_Lines.emplace(LineKey(start, end), CLine{c.m_nLineWidth, c.m_crLineColor, arrow, start, end});
    else if (start == end && tool == MouseTool::Tangent)
        c.m_TangentCells.emplace(start, mark);
    else if (start == end && (tool == MouseTool::Circle || tool == MouseTool::Square))
        c.m_FillCells.emplace(start, mark);
}

} // namespace

// Starts dragging the first shown figure whose handle holds pt. Only one
// switch is set even where handles overlap (as the triangle's and the four
// squares' do on a new chart): each release clears one switch, so a second
// one would keep its figure following the pointer after the button is up.
bool CBaseDraw::BeginOverlayDrag(Point pt)
{
    for (Handle h : kHandles) {
        if (IsShown(*this, h) && HandleRect(*this, h).Contains(pt)) {
            if (m_pView)
                m_pView->ShowHandCursor();
            SetDragged(*this, h, true);
            break;
        }
    }
    return FirstDragged(*this).has_value();
}

bool CBaseDraw::DragOverlay(Point pt)
{
    if (m_pView && !m_bDrawingLine && OverAnyHandle(*this, pt))
        m_pView->ShowHandCursor();
    const std::optional<Handle> h = FirstDragged(*this);
    if (!h)
        return false;
    float distance = 0.0f;
    const float angle = AngleFromCenter(pt, ChartRect().Center(), distance);
    ApplyDrag(*this, *h, angle, distance);
    Invalidate();
    return true;
}

bool CBaseDraw::EndOverlayDrag()
{
    const std::optional<Handle> h = FirstDragged(*this);
    if (!h)
        return false;
    SetDragged(*this, *h, false);
    return true;
}

// A press places an armed note, else grabs a handle, else starts a line drag
// inside the chart. Returns 1 when the press was used.
int CBaseDraw::OnLButtonDown(int x, int y)
{
    if (AddComment(x, y) || BeginOverlayDrag({x, y}))
        return 1;
    if (!ChartRect().Contains(x, y))
        return 0;
    m_nLineStartCell = HitTest(x, y);
    // No stale end cell from the previous drag before the pointer moves.
    m_nLineEndCell = m_nLineStartCell;
    m_bDrawingLine = 1;
    return 1;
}

// With the note tool armed, asks the host for a new note on the cell at (x, y)
// and disarms the tool whatever the answer. Returns 0 when not armed.
int CBaseDraw::AddComment(int x, int y)
{
    if (!m_bPlaceComment)
        return 0;
    m_bPlaceComment = 0;
    m_nLineStartCell = HitTest(x, y);
    if (m_nLineStartCell < 1)
        return 1; // on no cell of a round chart: the press is used, no note
    Comments note = NewNote();
    if (m_pView && m_pView->EditComment(note)) {
        m_Comments.emplace(m_nLineStartCell, note);
        Invalidate();
    }
    return 1;
}

void CBaseDraw::OnMouseMove(int x, int y)
{
    if (DragOverlay({x, y}))
        return;
    // Only a line that the paint shows needs a repaint when its end moves or it goes.
    const bool shown = ShowsDraggedLine();
    if (!ChartRect().Contains(x, y)) {
        m_bDrawingLine = 0; // leaving the chart cancels a line drag
        if (shown)
            Invalidate();
        return;
    }
    if (!m_bDrawingLine)
        return;
    const int before = m_nLineEndCell;
    m_nLineEndCell = HitTest(x, y);
    if (shown && m_nLineEndCell != before)
        Invalidate();
}

// Ends a handle drag, or ends a line drag and stores what the tool makes.
void CBaseDraw::OnLButtonUp(int x, int y)
{
    if (EndOverlayDrag())
        return;
    if (m_bDrawingLine) {
        m_nLineEndCell = HitTest(x, y);
        StoreToolResult(*this);
    }
    m_bDrawingLine = 0;
    Invalidate();
}

// Reverses a ring from its handle, else edits the notes whose boxes hold the point.
void CBaseDraw::OnLButtonDblClk(int x, int y)
{
    if (m_rcCalendarHandle.Contains(x, y)) {
        m_bCalendarForward = !m_bCalendarForward;
        Invalidate();
        return;
    }
    if (m_rcAngleHandle.Contains(x, y)) {
        m_bAngleForward = !m_bAngleForward;
        Invalidate();
        return;
    }
    if (!m_pView)
        return;
    for (auto& entry : m_Comments) {
        Comments& note = entry.second;
        if (!note.m_rcBox.Contains(x, y))
            continue;
        Comments edited = note;
        if (m_pView->EditComment(edited)) {
            edited.m_rcBox = note.m_rcBox;
            note = edited;
            Invalidate();
        }
    }
}

// Removes the first thing found at the point, in the order note (all notes
// of its cell), fill, tangent mark, lines (all lines of the first matching
// key). Returns 1 when something was removed.
int CBaseDraw::OnRButtonDown(int x, int y)
{
    for (const auto& entry : m_Comments) {
        if (entry.second.m_rcBox.Contains(x, y)) {
            const int noteCell = entry.first; // a copy: the erase destroys the entry
            m_Comments.erase(noteCell);
            return 1;
        }
    }
    const int cell = HitTest(x, y);
    if (m_FillCells.erase(cell) || m_TangentCells.erase(cell))
        return 1;
    for (const auto& entry : m_Lines) {
        if (entry.second.m_nStartCell == cell || entry.second.m_nEndCell == cell) {
            const std::string key = entry.first; // a copy: the erase destroys the entry
            m_Lines.erase(key);
            return 1;
        }
    }
    return 0;
}
