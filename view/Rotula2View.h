#pragma once

#include "ChartFrames.h"
#include "ChartHost.h"
#include "Geometry.h"
#include "PointerStatus.h"
#include "ZoomView.h"

#include <optional>

class CBaseDraw;
class CChartDocument;

// The window in which the document's current chart is shown and worked on:
// it paints the chart with the document's marks over it, maps the mouse to
// chart coordinates for the document, and keeps the zoom, the canvas and the
// palette's colour and line number. The chart asks it, as its host, to
// repaint, to show the hand cursor and to run the note dialog.
class CRotula2View : public CZoomView, private CChartHost {
    Q_OBJECT

public:
    explicit CRotula2View(CChartDocument& document, QWidget* parent = nullptr);
    ~CRotula2View() override;

    CChartDocument& Document() const { return m_doc; }

    // The initial update: zoom levels, canvas from the screen size, chart
    // rectangle, a fresh document.
    void InitialUpdate(Size screen);

    // What the frame's palette and line-number flyout currently offer; read
    // into the chart at every left button press.
    void SetPaletteColor(Color color);
    void SetLineNumber(int number);

    // Scrolls cell n of the current chart into view when it is near an edge.
    void ScrollToCell(int n);

    // The status bar's texts for the pointer's last place over the window.
    PointerStatus Status();

    CBaseDraw* CurrentChart() const;
    // The current chart's canvas in chart units (the view's, or larger for a
    // chart of many rings) and the rectangle charts are laid out in.
    Size CanvasSize() const;
    Rect ChartRect() const { return m_rcChart; }

signals:
    // What Status() says may have changed: the pointer moved or left, the
    // chart scrolled under it or a paint laid it out anew.
    void statusChanged();
    // A right click that removed nothing asked for the chart's properties.
    void propertiesRequested();

protected:
    // The context menu of a right click that removed nothing.
    virtual void ShowContextMenu(const QPoint& globalPos);

    // CChartHost: repaint, hand cursor and the note dialog.
    void InvalidateChart() override;
    void ShowHandCursor() override;
    bool EditComment(Comments& note) override;

    void drawContents(QPainter& painter, double scale) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    CBaseDraw& Chart() const;
    // The status bar's facts of cell n of the current chart; none for 0.
    std::optional<CellFacts> StatusFacts(int n);
    // The view takes the zoom of a chart that becomes current.
    void ChartBecameCurrent();
    // The chart's zoom, which its labels and its file use, is the view's.
    void GiveZoomToChart();
    // Scrolling, Fit, export and copy cover all the picture holds, which
    // commands and finished mouse actions may change; a chart whose cells
    // would be smaller than a unit on the view's canvas gets a larger one.
    void UpdateChartArea();
    // After a change of the chart: its area, unless a drag is moving what it reaches.
    void ChartChanged();
    // How the window shows the chart now.
    FrameView ShownView() const;
    // From a left press to the paint after its release, repaints cover only
    // what changed: the record taken here is of the picture shown.
    void StartFrames();

    CChartDocument& m_doc;
    Size m_szCanvas;
    Rect m_rcChart;
    int m_nLineNumber = 1;
    Color m_crPalette = MakeColor(128, 128, 128); // palette colour 0: nothing chosen yet
    bool m_bHandRequested = false;                // a chart asked for the hand cursor
    std::optional<QPoint> m_pointer;              // over the window, in its pixels
    CChartFrames m_frames;
    bool m_bLeftHeld = false;
    bool m_bAreaStale = false; // the chart changed while the left button was held
};
