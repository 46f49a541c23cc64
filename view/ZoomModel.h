#pragma once

#include "Geometry.h"
#include "PixelMapping.h"

#include <vector>

// The zoom and scroll arithmetic of the chart window, free of any GUI
// toolkit: the zoom factor and its levels, the Ctrl+wheel total, chart units
// to window pixels and back, the centring of a chart smaller than the window,
// the scroll steps, the scroll that keeps a point in place while zooming,
// the zoom that fits a chart in the window and the fit on a printed page.
//
// One chart unit is trunc(factor x 1000) / 1000 pixels: the factor is taken
// to thousandths, as a viewport extent over a window extent of 1000.
class CZoomModel {
public:
    static constexpr float kMinZoom = 0.05f;
    static constexpr float kMaxZoom = 20.0f;
    static constexpr int kWindowExtent = 1000;
    // Wheel movement, in the window system's units, that makes one zoom step.
    static constexpr int kWheelStep = 120;

    // What the collected Ctrl+wheel movement asks for.
    enum class WheelStep { None, ZoomIn, ZoomOut };

    // Where a chart goes on a printed page: device pixels per chart unit and
    // the page position of chart point (0, 0).
    struct PageFit {
        double scale = 1.0;
        Point offset;
    };

    // Starts at factor 1 with the levels 1/3, 1/2, 2/3, 1, 3/2, 2, 3.
    CZoomModel();

    // Replaces the levels; refused (false, nothing changes) unless the list
    // is non-empty, strictly ascending and within [kMinZoom, kMaxZoom].
    bool SetLevels(const std::vector<float>& levels);
    const std::vector<float>& Levels() const { return m_levels; }
    // The index of the level last moved to, or -1.
    int LevelIndex() const { return m_levelIndex; }

    float Zoom() const { return m_zoom; }
    // Stores factor clamped to [kMinZoom, kMaxZoom] and clears the wheel
    // total; returns the previous factor.
    float SetZoom(float factor);
    // Makes level index current and takes its factor; false when there is
    // no such level.
    bool MoveToLevel(int index);

    // The first level strictly above the factor and the last one strictly
    // below it, or -1 when there is none.
    int LevelAbove() const;
    int LevelBelow() const;
    bool CanZoomIn() const { return LevelAbove() >= 0; }
    bool CanZoomOut() const { return LevelBelow() >= 0; }

    // Adds a wheel movement made with Ctrl held. A total of +kWheelStep or
    // more (turned forward) asks to zoom in, -kWheelStep or less to zoom out;
    // the total is cleared only when the zoom happens (SetZoom).
    WheelStep AddWheel(int delta);
    int WheelTotal() const { return m_wheelTotal; }

    // trunc(factor x 1000), taken in single precision as the factor is.
    int ViewportExtent() const;
    // Window pixels per chart unit.
    double Scale() const;
    // Chart units to window pixels at that scale, rounded as the drawing
    // surface rounds them.
    CPixelMapping Mapping() const { return CPixelMapping(Scale()); }

    // A chart coordinate or length in window pixels.
    int ToWindow(int chartUnits) const { return Mapping().ToWholePixel(chartUnits); }
    // The chart coordinate drawn at window pixel (the last one whose pixel is
    // at or before it): the inverse of ToWindow.
    int ToChart(int pixels) const { return Mapping().ToUnit(pixels); }
    // The pixels an area of the chart (chart units, perhaps reaching left of
    // or above chart point (0, 0)) takes at this factor.
    Size PixelSize(const Rect& area) const;

    // Window position of the chart area's first pixel along one axis: centred
    // when the area is narrower than the client area, else scrolled.
    static int AxisOrigin(int clientPixels, int totalPixels, int scrollPosition);
    // Scroll amounts for a chart area at this factor: a page is a tenth of
    // its pixels, a line a tenth of a page.
    Size PageStep(const Rect& area) const;
    Size LineStep(const Rect& area) const;

    // The scroll position along one axis, within the scroll range of a chart
    // area from low to high chart units at this factor in clientPixels, that
    // draws chart coordinate chartUnit at window pixel: what keeps the point
    // under the pointer there across a zoom.
    int ScrollToPlace(int chartUnit, int pixel, int clientPixels, int low, int high) const;
    // The largest factor within [kMinZoom, kMaxZoom] at which a chart area
    // fits in client pixels; the factor held when either is empty.
    float FitZoom(const Rect& area, Size client) const;

    // The largest uniform scale at which region (chart units) fits in an
    // area of page pixels, centred in it.
    static PageFit FitToPage(const Rect& region, Size page);

private:
    std::vector<float> m_levels;
    int m_levelIndex = -1;
    float m_zoom = 1.0f;
    int m_wheelTotal = 0;
};
