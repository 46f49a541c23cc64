#pragma once

#include "RoundChart.h"

#include <array>
#include <cstdint>

// The Hexagon chart: the numbers 1, 2, 3 ... on concentric hexagonal rings
// about the centre. Ring j holds the 6j numbers 3j(j-1)+1 to 3j(j+1), the
// last on the corner at the right, the others counting down as the drawing
// angle grows, so that they rise counter-clockwise on the screen. Each edge
// of ring j is cut into j steps; corners are labelled red and the middles of
// even rings' edges blue.
//
// A chart file can hold any ring count: a count below 1, one above
// kMaxRings, or one that leaves rings under one unit wide draws
// nothing, and the geometry then answers the centre and 0.
class CDrawHexagon : public CRoundChart {
public:
    CDrawHexagon();

    void Draw(CDrawSurface& dc) override;
    Point GetCellCenter(int n) override;
    // The number of the cell at (x, y), 0 beyond the outermost ring.
    int HitTest(int x, int y) override;
    std::string GetName() override;
    bool CellsFit() const override;

    // Whether q lies inside the triangle (p0, p1, p2) or on its boundary,
    // with integer cross products.
    static bool PointInTriangle(Point p0, Point p1, Point p2, Point q);
    // The ring of number n >= 1: j for 3j(j-1)+1 to 3j(j+1).
    static int RingOf(int n);

    // Distance between two successive ring boundaries as the current inputs
    // lay them out; 0 where the rings do not fit.
    int m_nCellSize = 0;

protected:
    void Layout() override;

private:
    enum class Position { Corner, EdgeMiddle, Plain };
    // The six corners at drawing angles 0, 60, ... 300 and corner 0 again.
    using Hexagon = std::array<Point, 7>;

    // The client area less room for the shown outer rings.
    Rect LayoutArea() const;
    // The width of a ring in the layout area, or 0 where none fits.
    int FittingCellSize() const;
    Hexagon HexagonAt(double radius) const;
    // Corner i of the hexagon of a radius, at the drawing angle 60 i.
    Point CornerAt(int i, double radius) const;
    // Radius of the hexagon through the cell positions of ring k.
    double CellRadius(std::int64_t k) const;

    void DrawRingsAndLabels(CDrawSurface& dc);
    void DrawRingLabels(CDrawSurface& dc, int ring, const Hexagon& corners);
    void DrawHexCellLabel(CDrawSurface& dc, Point p, int n, Position kind);

    bool InsideBoundary(int k, Point q) const;
    int NumberOnEdge(int k, int sector, int x) const;
};
