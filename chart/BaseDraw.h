#pragma once

#include "CalendarDay.h"
#include "ChartPaintOutput.h"
#include "ChartToolState.h"
#include "ChartViewState.h"
#include "DrawSurface.h"
#include "Geometry.h"
#include "LabelMemo.h"
#include "StoredChartData.h"

#include <cstdint>
#include <optional>
#include <string>


// The abstract chart. Every chart kind derives from it and supplies its
// geometry (layout, cell centre, hit test, outer radius), its name and its
// drawing pass; the base owns the chart parameters and the label rules, the
// display switches and the mouse tool, the user's annotations, the overlays with their drag handles and the outer rings.
// Its members are public like the records they hold, grouped by kind in the
// bases: what the file keeps, what the view gives, the tool's gesture, and
// what a paint leaves behind. The view's commands change them, the chart
// file reads and writes the stored ones.
//
// Floating point is single precision where the chart's geometry depends on
// it: parameters, angles and radii are floats, trigonometric results are
// rounded to float before use and conversions to coordinates truncate. Those
// roundings decide pixel positions.
class CBaseDraw : public StoredChartData, public ChartViewState, public ChartToolState, public ChartPaintOutput {
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
    virtual ~CBaseDraw() = default;
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

    // Brings the geometry up to date with the chart's inputs and settles the
    // stored values that follow from it: equal triangle and squares radii
    // (both 0 on a new chart) become half the chart's width, and a shown star
    // without a radius takes the outer radius. Draw calls it first; whoever
    // captures or compares a chart's stored values calls it before.
    void UpdateLayout();
    // m_rcChart as the current inputs lay it out.
    const Rect& ChartRect();

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
    // Removes every mark, line and note.
    void ClearAnnotations();

    // The calendar and angle outer rings around OuterRingsRect(), drawn last
    // by the charts that have them, with the font and colours of their label
    // pass. With m_Planets set, the planet ring follows the rings, and its
    // caption; without a ring it has no scale to stand on and is not drawn.
    void DrawOuterRings(CDrawSurface& dc);
    // The square the outer rings stand around: the chart's own by default.
    virtual Rect OuterRingsRect() const;
    // The point `outward` units beyond the calendar ring's circle at the tick
    // of a day of the year (29 February shares 28 February's tick), as the
    // current inputs lay the chart out; nothing while the ring is off.
    std::optional<Point> CalendarRingPoint(int month, int day, int outward);
    // The body whose symbol the last paint drew over pt, or -1.
    int PlanetAt(Point pt) const;

    // The point at screen angle alpha (degrees, counter-clockwise) and radius
    // rho about c, as the outer rings place their ticks.
    static Point RingPoint(Point c, float alpha, int rho);

    // Counter-clockwise screen angle in degrees, 0 <= angle < 360, of pt about
    // centre, and the distance between them.
    static float AngleFromCenter(Point pt, Point centre, float& distance);

    // The box of text measured at its natural size and centred on anchor, with
    // one unit of margin: ring labels, notes and the labels of the round charts.
    static Rect TextBoxAt(CDrawSurface& dc, const std::string& text, Point anchor);

    // Chart units that show as the given screen pixels at the current zoom,
    // at least one: marks drawn over a chart keep their width when zoomed out.
    int UnitsOfPixels(float pixels) const;

    // The ring count a layout works with: GetRings() when it lies in
    // 0..kMaxRings, else 0. Stored counts stay as the file holds them.
    int LayoutRings() const;

    // Label rules shared by every chart.
    static int NaturalDecimals(float startPrice, float priceStep);
    // Sets m_nNaturalDecimals from the start price and step, as a change of
    // either must.
    void UpdateNaturalDecimals();
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

protected:
    // Lays the chart out again when an input of its layout changed since the
    // last time: the ring count, m_rcClient or an outer ring switch. Every
    // geometry question asks it first, so a chart answers without a paint;
    // unchanged inputs cost one comparison.
    void EnsureLayout();
    // Computes m_rcChart and the kind's own geometry from those inputs;
    // nothing for a chart without a layout of its own.
    virtual void Layout();
    // Whether the laid-out chart draws the triangle, squares and star, whose
    // radii follow from its size.
    virtual bool DrawsOverlays() const;

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
    // What a layout is computed from.
    struct LayoutInputs {
        int rings = 0;
        Rect client;
        bool calendarRing = false;
        bool angleRing = false;
    };
    LayoutInputs CurrentLayoutInputs() const;
    static bool SameInputs(const LayoutInputs& a, const LayoutInputs& b);
    void SettleOverlayRadii();

    // ComposeCellLabel without the memo.
    std::optional<std::string> ComposeFreshLabel(int n);
    CLabelMemo::Key LabelKey() const;

    void DrawPolygonOverlay(CDrawSurface& dc, int vertices, float angle, float radius,
                            const Pen& side, const Pen& spoke, Color handleColor, Rect& handle);

    CLabelMemo m_labelMemo;
    std::optional<LayoutInputs> m_laidOutFor; // none before the first layout
};
