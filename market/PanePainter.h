#pragma once

#include "Clusters.h"
#include "PaneColumns.h"
#include "PaneView.h"
#include "PivotTargets.h"
#include "PriceLevels.h"
#include "Swing.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class CDrawSurface;

// How the pane draws its bars.
enum class PaneStyle { Candles, Bars, Line };

// A moment the pane marks with a vertical line and a short label.
struct PaneEvent {
    std::int64_t time = 0; // bar time (see Bar)
    std::string label;
};

// What the pane draws over its bars: the swings as a zigzag, a pivot's
// targets (as TargetsOf gives them) as lines at their prices and dates,
// clusters of projected dates as bands of their days within window either
// side, events as vertical lines, and the planets' price lines (their
// longitudes times levelScale, see PlanetPriceLevels).
struct PaneOverlay {
    std::vector<Swing> swings;
    std::vector<Target> targets;
    std::vector<Cluster> clusters;
    int window = 0;
    std::vector<PaneEvent> events;
    std::vector<PlanetLongitude> planets;
    double levelScale = 1;
};

// Draws the price pane on a surface: the bars of the view's span in its
// rectangle, the axes with their labels right of and below it, the overlay
// on top. Nothing but the axis labels leaves the rectangle: bars, lines and
// labels are cut or moved to it, by the painter itself, so that every
// surface and every trace shows the same. Where bars are too dense to tell apart each pixel column is drawn
// once from its reduction, so a paint costs the columns, not the bars.
class CPanePainter {
public:
    // The room the axis labels take right of and below the plot.
    static constexpr int kPriceAxisWidth = 72;
    static constexpr int kDateAxisHeight = 22;
    // The plot rectangle inside a pane of the given size.
    static Rect PlotRect(const Rect& pane);

    CPanePainter(CDrawSurface& dc, const CPaneView& view) : m_dc(dc), m_view(view) {}

    void Draw(const CPaneColumns& columns, PaneStyle style, const PaneOverlay& overlay);

private:
    void DrawGrid();
    void DrawDense(const std::vector<PaneColumn>& columns, PaneStyle style);
    void DrawLine(const std::vector<PaneColumn>& columns);
    void DrawSparse(const CPaneColumns& columns, PaneStyle style);
    void DrawBar(const Bar& bar, double width, PaneStyle style);
    void DrawClipped(double t1, double p1, double t2, double p2);
    void DrawSwings(const std::vector<Swing>& swings, bool intraday);
    void DrawTargets(const std::vector<Target>& targets);
    void DrawBands(const PaneOverlay& overlay);
    void DrawScores(const PaneOverlay& overlay);
    // The pixels [left, right) of a cluster's days within the plot; empty
    // when they lie outside it.
    std::pair<int, int> BandOf(const Cluster& cluster, int window) const;
    void DrawEvents(const std::vector<PaneEvent>& events);
    void DrawLevels(const std::vector<PlanetLongitude>& planets, double scale);
    // A vertical line across the plot at time, labelled in the first free
    // of four rows from first, step pixels apart.
    void DrawMoment(double time, const std::string& label, int first, int step);
    void DrawFrame();
    void Label(const std::string& text, int x, int y, unsigned flags);
    // Labels of the plot (swings, targets) stay inside it, apart.
    void PlaceLabel(const std::string& text, std::initializer_list<Point> anchors, bool centred);
    Rect PlotBox(int left, int y, int width) const;
    static bool Overlap(const Rect& a, const Rect& b);
    void UsePen(Color color);

    int X(double time) const;
    int Y(double price) const;

    CDrawSurface& m_dc;
    const CPaneView& m_view;
    // The boxes of the plot's labels drawn so far.
    std::vector<Rect> m_labels;
};
