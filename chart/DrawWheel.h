#pragma once

#include "RoundChart.h"

#include <cstdint>

// The Wheel chart: a disc cut by 24 spokes into 15-degree sectors and by
// circles into rings around an empty hub. Ring r (from 0 at the hub) holds
// the numbers 24r + 1 to 24r + 24, sector j counter-clockwise from the right;
// the rings are shaded alternately white and light yellow, and the label
// colours follow the rotation of the four-square cross.
//
// A chart file can hold any ring count: a count below 1, one above
// kMaxRings, or one that leaves rings under one unit wide draws
// nothing, and the hit test then finds no cell.
class CDrawWheel : public CRoundChart {
public:
    CDrawWheel();

    void Draw(CDrawSurface& dc) override;
    Point GetCellCenter(int n) override;
    // The number of the cell at (x, y); 0 in the hub and outside the outer circle.
    int HitTest(int x, int y) override;
    std::string GetName() override;
    bool CellsFit() const override;

    // Radial width of one ring as the current inputs lay it out; 0 where
    // the rings do not fit.
    int m_nRingSize = 0;
    int m_nHubDiameter = 80; // fixed: the layout does not watch it

protected:
    void Layout() override;

private:
    // The width of a ring in the client area, or 0 where none fits.
    int FittingRingSize() const;
    Rect HubRect() const;
    // Radius of the circle through the cells of ring r, counted from 0.
    double CellRadius(std::int64_t ring) const;

    // Draws the shaded rings and returns the brush selected before them.
    Brush DrawRingShading(CDrawSurface& dc);
    void DrawSpokes(CDrawSurface& dc);
    void DrawLabels(CDrawSurface& dc);
    Font WheelLabelFont() const;
};
