#pragma once

#include "Geometry.h"
#include "ZoomModel.h"

#include <QAbstractScrollArea>
#include <QRegion>

#include <optional>
#include <vector>

class QPainter;
class QScrollBar;

// A scrolling window with a zoom factor: steps through its zoom levels on
// command or with Ctrl+wheel (about the pointer), fits the chart to itself, maps chart units to window pixels and back,
// centres a chart smaller than the window and keeps the scroll bars in step.
// A derived view draws the chart in drawContents.
class CZoomView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CZoomView(QWidget* parent = nullptr);

    float zoom() const { return m_model.Zoom(); }
    // Clamps factor to the allowed range, rescales the scroll area and
    // repaints; returns the previous factor.
    float setZoom(float factor);
    // Refused (false) unless non-empty, strictly ascending and in range.
    bool setZoomLevels(const std::vector<float>& levels);
    const std::vector<float>& zoomLevels() const { return m_model.Levels(); }

    // Step to the next level above or below the factor, keeping the chart
    // point at window pixel at (the window centre when none) there, as far
    // as the scroll ranges allow. At the end of the list they beep and
    // return false.
    bool zoomIn(std::optional<QPoint> at = std::nullopt);
    bool zoomOut(std::optional<QPoint> at = std::nullopt);
    bool canZoomIn() const { return m_model.CanZoomIn(); }
    bool canZoomOut() const { return m_model.CanZoomOut(); }
    // The largest factor at which the whole chart fits the window without
    // scroll bars.
    void zoomToFit();
    // Factor 1, keeping the chart point at the window centre there.
    void zoomToActualSize();

    // Scrolls so that the middle of the chart lies at the window centre, as
    // far as the scroll ranges allow.
    void centreView();
    // Scrolls chart point chart to the window centre unless it lies in the
    // window already, margin pixels inside its edges.
    void ensureVisible(Point chart, int margin);

    // The scrollable chart area in chart units: all the picture holds, which
    // may reach left of and above chart point (0, 0).
    void setChartArea(const Rect& chartUnits);
    const Rect& chartArea() const { return m_area; }

    // Keeps the chart where it stands in the top-level window through the
    // view's resizes until the user scrolls or zooms, the pointer leaves the
    // view or the top-level window changes size, so that a panel opening
    // (and filling) beside the view does not move the cell about to be
    // clicked. Meanwhile the chart may stand off centre, partly beyond the
    // scroll bars' reach.
    void holdChartInPlace();

    // Window pixels (of the viewport) to chart units and back.
    Point toChart(const QPoint& window) const;
    QPoint toWindow(Point chart) const;
    // Window pixels per chart unit.
    double scale() const { return m_model.Scale(); }

signals:
    void zoomChanged(float oldZoom, float newZoom);

protected:
    // Draws the chart; painter has its origin at chart point (0, 0) and
    // draws in window pixels, scale of them per chart unit.
    virtual void drawContents(QPainter& painter, double scale) = 0;
    // During drawContents: the window pixels this paint covers.
    const QRegion& paintRegion() const { return m_paintRegion; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool moveToLevel(int index, std::optional<QPoint> at);
    // Takes factor, keeping the chart point at window pixel at there.
    void zoomAbout(float factor, QPoint at);
    // Scrolls so that chart point chart is drawn at window pixel at.
    void scrollToPlace(Point chart, QPoint at);
    QPoint windowCentre() const;
    // After the model took a new factor: rescale, notify, repaint.
    void zoomApplied(float previous);
    void updateScrollBars();
    // A scroll bar moved by the user ends a hold; its page clicks move by a
    // tenth of the chart, not by a window.
    void userScrolled(QScrollBar* bar, int action, bool horizontal);
    // Window position of chart point (0, 0).
    QPoint origin() const;
    // Puts chart point (0, 0) back where holdChartInPlace found it.
    void restoreHeldPlace();
    // The view places the chart again: centred, or where the scroll bars say.
    void releaseHold();

    CZoomModel m_model;
    Rect m_area;
    QRegion m_paintRegion;
    // Where chart point (0, 0) is held in the top-level window, of that size.
    struct Held {
        QPoint origin;
        QSize window;
    };
    std::optional<Held> m_held;
    QPoint m_shift; // while held: the chart's offset from where centring and scrolling put it
};
