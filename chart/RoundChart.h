#pragma once

#include "BaseDraw.h"

// What the two round charts (Hexagon and Wheel) share: a centre, an outer
// radius taken from the chart rectangle, the fill marks, the conversions
// between angles and points with their single-precision roundings, and the
// labels centred on an anchor point.
//
// Two kinds of angle appear: drawing angles turn clockwise on the screen
// (y grows downwards), on-screen angles counter-clockwise. Both are degrees
// from the positive x axis.
class CRoundChart : public CBaseDraw {
public:
    // Half the width of m_rcChart, halved in integers.
    float GetOuterRadius() override;
    Rect MarkBox(int n) override;

    // Centre of the chart as the current inputs lay it out.
    Point m_ptCenter;

    // Fill marks are 40 x 40 about their cell's centre at every ring size and zoom.
    static constexpr int kMarkHalf = 20;

protected:
    // Layouts are made only inside this range, so that every point, radius
    // and outer ring derived from them stays well inside int.
    static bool InDrawingRange(const Rect& rc);

    // Fills the marked cells 1 to lastCell as 40 x 40 circles or squares about
    // their centres, whatever the ring size or zoom, without outline.
    void DrawFillMarks(CDrawSurface& dc, int lastCell);
    // The line being dragged (the line and arrow tools) between the centres of its cells.
    void DrawLineBeingDragged(CDrawSurface& dc, int penWidth);
    // Draws the label of cell n centred on anchor in the current text colour;
    // false when price, time and N are all off and there is no label.
    bool DrawCellLabel(CDrawSurface& dc, int n, Point anchor);

    // On-screen angle of (x, y) about the centre, 0 <= angle < 360, straight
    // above 90, straight below 270; distance receives the radius. Both in
    // single precision.
    float ScreenAngleOf(int x, int y, float& distance) const;
    // The point at a drawing angle, or at an on-screen angle, and a radius.
    Point PointAtDrawingAngle(double degrees, double radius) const;
    Point PointAtScreenAngle(double degrees, double radius) const;
    // The point at a radius in a direction whose cosine and sine are given
    // in single precision, as the two above round them.
    Point PointInDirection(float cosT, float sinT, double radius) const;

private:
    Point PointAtRadians(double theta, double radius) const;
};
