#pragma once

#include "Bodies.h"
#include "CalendarDay.h"
#include "ChartRecords.h"
#include "DrawSurface.h"
#include "Geometry.h"
#include "LabelMemo.h"
#include "MouseTool.h"
#include "Period.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

class CChartHost;

// The abstract chart. Every chart kind derives from it and supplies its
// geometry (layout, cell centre, hit test, outer radius), its name and its
// drawing pass; the base owns the chart parameters and the label rules, the
// display switches and the mouse tool, the user's annotations, the overlays with their drag handles and the outer rings.
//
// Floating point is single precision where the chart's geometry depends on
// it: parameters, angles and radii are floats, trigonometric results are
// rounded to float before use and conversions to coordinates truncate. Those
// roundings decide pixel positions.
class CBaseDraw {
public:
    // The chart code takes pi as 3.1415926 and 2 pi as 6.2831852.
    static constexpr double kPi = 3.1415926;
    static constexpr double kTwoPi = 6.2831852;
    // The most rings a chart is laid out with. A file may hold any count; the
    // labels of a larger chart would take minutes to draw, so it draws nothing.
    static constexpr int kMaxRings = 1000;
    // The most decimals a label shows: all that NaturalDecimals ever finds.
    static constexpr int kMaxDecimals = 5;

    CBaseDraw();
    CBaseDraw(const CBaseDraw&) = delete;
    CBaseDraw& operator=(const CBaseDraw&) = delete;

    // The fifteen virtual operations, in their fixed order.
    virtual ~CBaseDraw();
    virtual void Draw(CDrawSurface& dc);
    virtual void DrawArrowLine(int x1, int y1, int x2, int y2, CDrawSurface& dc);
    virtual void DrawDivisions(CDrawSurface& dc);
    virtual float GetOuterRadius();
    virtual void DrawSquaresAndTriangle(CDrawSurface& dc);
    virtual bool BeginOverlayDrag(Point pt);
    virtual bool DragOverlay(Point pt);
    virtual bool EndOverlayDrag();
    virtual Point GetCellCenter(int n) = 0;
    virtual int HitTest(int x, int y) = 0;
    virtual int SetRings(int rings);
    virtual int GetRings() const;
    virtual std::string GetName();
    virtual void Invalidate();

    // Whether the current rings, switches and m_rcClient lay the chart out
    // with cells of at least one chart unit. A chart that does not draws
    // nothing: callers that can refuse (the command line) or warn ask first.
    // True for a chart without a layout of its own.
    virtual bool CellsFit() const;
    // The box a mark of cell n takes, as last laid out: the cell itself
    // where cells are boxes, the fill mark's square on the round charts.
    virtual Rect MarkBox(int n) = 0;

    // Mouse operations, called by the view with points in chart coordinates.
    int OnLButtonDown(int x, int y);
    int AddComment(int x, int y);
    // Invalidates only for a change of the picture: a handle drag, or the
    // end of a line being dragged with the line or arrow tool.
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnLButtonDblClk(int x, int y);
    int OnRButtonDown(int x, int y);

    // Annotation drawing: DrawLines from each chart's Draw, DrawComments by
    // the view after Draw.
    void DrawLines(CDrawSurface& dc);
    void DrawComments(CDrawSurface& dc);

    // The calendar and angle outer rings around rc, drawn last by the charts
    // that have them, with the font and colours of their label pass.
    // With m_Planets set, the planet ring follows the rings, and its caption;
    // without a ring it has no scale to stand on and is not drawn.
    void DrawOuterRings(Rect rc, CDrawSurface& dc);

    // The point at screen angle alpha (degrees, counter-clockwise) and radius
    // rho about c, as the outer rings place their ticks.
    static Point RingPoint(Point c, float alpha, int rho);

    // Counter-clockwise screen angle in degrees, 0 <= angle < 360, of pt about
    // centre, and the distance between them.
    static float AngleFromCenter(Point pt, Point centre, float& distance);

    // The box of text measured at its natural size and centred on anchor, with
    // one unit of margin: ring labels, notes and the labels of the round charts.
    static Rect TextBoxAt(CDrawSurface& dc, const std::string& text, Point anchor);

    // The ring count a layout works with: GetRings() when it lies in
    // 0..kMaxRings, else 0. Stored counts stay as the file holds them.
    int LayoutRings() const;

    // Label rules shared by every chart.
    static int NaturalDecimals(float startPrice, float priceStep);
    // Within 0..kMaxDecimals whatever a file holds.
    int LabelPrecision() const;
    float CellPrice(int n) const;
    // The price of cell n as its label shows it, with LabelPrecision decimals;
    // kNoPrice where a file's start and step carry it beyond a float.
    std::string CellPriceText(int n) const;
    static constexpr const char* kNoPrice = "-";
    std::string CellDate(int n);
    // The local calendar day of cell n. By months, the day of the month of
    // cell 1, or the month's last day where that month is shorter. Nothing
    // where 64 bits or the platform's calendar cannot hold it.
    std::optional<CalendarDay> CellDay(int n) const;
    // The label of cell n, or nothing when price, time and N are all off;
    // the reference lasts until the next call.
    const std::optional<std::string>& ComposeCellLabel(int n);
    void DrawLabelInRect(CDrawSurface& dc, const std::string& text, Rect rc);
    // The label font: "monaco" at trunc(14 * (1 / zoom)) chart units.
    Font LabelFont() const;

    // Members, in declaration order. Public like the records they hold: the
    // view's commands change them, the chart file reads and writes them.
    CChartHost* m_pView = nullptr;
    Rect m_rcChart;
    int m_nRings = 0;
    float m_fStartPrice = 1.0f;
    float m_fPriceStep = 1.0f;
    int m_nNaturalDecimals = 0;
    int m_nDecimals = 2;
    std::int64_t m_tStartTime = 0;
    int m_nTimeStep = 1;
    int m_nLastYear = 0;
    int m_nLineStartCell = 0;
    int m_nLineEndCell = 0;
    std::map<int, Cell_Style> m_FillCells;
    std::map<int, Cell_Style> m_TangentCells;
    std::multimap<std::string, CLine> m_Lines;
    std::multimap<int, Comments> m_Comments;
    Size m_szCanvas;
    Rect m_rcClient;
    float m_fZoom = 0.6f;
    int m_bCalendarForward = 1;
    bool m_bShowCalendarRing = false;
    int m_bAngleForward = 1;
    bool m_bShowAngleRing = false;
    int m_bDragCalendarRing = 0;
    int m_bDragAngleRing = 0;
    Rect m_rcCalendarHandle;
    Rect m_rcAngleHandle;
    float m_fCalendarAngle = 0.0f;
    float m_fAngleRingAngle = 0.0f;
    bool m_bShowPrice = true;
    bool m_bShowTime = false;
    bool m_bShowN = false;
    bool m_bTimeStandard = false;
    Period m_nPeriod = Period::Day;
    bool m_bClockwise = false;
    Rect m_rcSquaresHandle;
    int m_bShowSquares = 0;
    float m_fSquaresAngle = 0.0f;
    bool m_bDragSquares = false;
    float m_fSquaresRadius = 0.0f;
    Rect m_rcTriangleHandle;
    int m_bShowTriangle = 0;
    float m_fTriangleAngle = 0.0f;
    bool m_bDragTriangle = false;
    float m_fTriangleRadius = 0.0f;
    int m_nDivisions = 16;
    Rect m_rcDivisionsHandle;
    int m_bShowDivisions = 0;
    float m_fDivisionsAngle = 0.0f;
    bool m_bDragDivisions = false;
    float m_fDivisionsRadius = 0.0f;
    int m_bPlaceComment = 0;
    MouseTool m_nTool = MouseTool::None;
    int m_nLineWidth = 1;
    Color m_crLineColor = 0;
    int m_bDrawingLine = 0;

    // The bodies' longitudes the planet ring shows, set by the chart's user
    // before a paint; a view setting, so neither the file nor the undo
    // history sees it. The paint leaves each symbol's box behind.
    std::optional<Longitudes> m_Planets;
    std::string m_PlanetCaption; // the moment and place they are for, as AstrologyReport::Sky gives it
    std::array<Rect, kBodyCount> m_rcPlanetMarks {};

protected:
    // The box of half width and half height about the centre of cell n.
    Rect BoxAbout(int n, int halfWidth, int halfHeight);
    // The point at screen angle a (degrees, counter-clockwise) and radius r
    // about the centre of m_rcChart, with the overlays' roundings.
    Point OverlayPoint(double a, float r) const;
    // A line drag with the line or arrow tool, which the paint shows.
    bool ShowsDraggedLine() const;
    // Draws the line being dragged from p to q with the line and arrow tools.
    void DrawDraggedLine(CDrawSurface& dc, Point p, Point q, int penWidth);

private:
    // ComposeCellLabel without the memo.
    std::optional<std::string> ComposeFreshLabel(int n);
    CLabelMemo::Key LabelKey() const;

    void DrawPolygonOverlay(CDrawSurface& dc, int vertices, float angle, float radius,
                            const Pen& side, const Pen& spoke, Color handleColor, Rect& handle);

    CLabelMemo m_labelMemo;
};
