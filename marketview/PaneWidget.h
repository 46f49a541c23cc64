#pragma once

#include "ChartExport.h"
#include "PaneColumns.h"
#include "PanePainter.h"
#include "PaneView.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CBarZone;
class CChartPrinter;
struct SkyEvent;
class QAction;
class QMenu;

// The price pane of a window: a series' bars with its swings and a pivot's
// targets, drawn by CPanePainter through the painter surface as exports and
// the command line draw them, with a crosshair over it that only the screen
// shows. The wheel zooms about the pointer, a drag pans, Home (or the
// context menu) shows all, + and - zoom about the middle; the span stays
// within the history and the prices refit to the bars shown. The context
// menu picks the style and the axis and exports, copies and prints the pane.
class CPaneWidget : public QWidget {
    Q_OBJECT

public:
    // A click within this many pixels of a swing's point is a click on it.
    static constexpr double kSwingReach = 6;

    explicit CPaneWidget(QWidget* parent = nullptr);
    ~CPaneWidget() override;

    // The bars to draw, all of them shown; none (or an empty series) leaves
    // the pane empty, saying how to import a history.
    void SetSeries(std::shared_ptr<const BarSeries> series);
    void SetSwings(std::vector<Swing> swings);
    void SetTargets(std::vector<Target> targets);
    // Clusters as bands of their days within window either side.
    void SetClusters(std::vector<Cluster> clusters, int window);
    // Events as vertical lines at their moments on the exchange's clock
    // through zone (see SkyEventMarks::Of; null for UT).
    void SetEvents(const std::vector<SkyEvent>& events, CBarZone* zone);
    // The planets' price lines: longitudes times scale, and whole turns apart.
    void SetPlanetLevels(std::vector<PlanetLongitude> planets, double scale);
    void SetStyle(PaneStyle style);
    PaneStyle Style() const { return m_style; }
    // A log axis as asked: a history reaching zero or below is drawn linear
    // while it stays asked.
    void SetLog(bool log);
    bool IsLog() const { return m_log; }
    void ShowAll();
    // The span of bar times shown, as the per-file settings keep it; a span
    // set is kept within the history and a few bars wide at least.
    std::pair<double, double> Span() const { return {m_view.FirstTime(), m_view.LastTime()}; }
    void SetSpan(double first, double last);

    // The pane as files, the clipboard and the printer take it: the picture
    // on screen without the crosshair, over PaneRect.
    Picture PanePicture() const;
    Rect PaneRect() const { return Rect{0, 0, width(), height()}; }

    QSize sizeHint() const override { return {640, 260}; }
    QSize minimumSizeHint() const override;

signals:
    // The bar under the pointer as PaneReadout::Text gives it; empty when
    // the pointer left or no bar is under it.
    void readoutChanged(const QString& text);
    // A click, not a drag, on swing index of those SetSwings gave.
    void swingClicked(int index);
    // The span, the style or the axis changed.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createActions();
    void updateActions();
    bool HasBars() const { return !m_series->bars.empty(); }
    // Applies change to the view, keeps the span within the history, refits
    // the prices and, when the span moved and notify holds, says so.
    void MoveView(const std::function<void()>& change, bool notify = true);
    void ZoomAbout(double x, double factor);
    // The narrowest span a zoom reaches: a few bars.
    double LeastSpan() const;
    void ShowReadout();
    void DrawCrosshair(QPainter& painter) const;

    void ExportPane();
    void CopyPane();
    void PrintPane();
    void PreviewPane();
    void ShowFailure(const QString& message);

    // Declared before the columns, which refer to it, so it goes after them.
    std::shared_ptr<const BarSeries> m_series;
    std::unique_ptr<CPaneColumns> m_columns;
    CPaneView m_view;
    PaneOverlay m_overlay;
    PaneStyle m_style = PaneStyle::Candles;
    bool m_log = false;
    // The span of the whole history, which pans and zooms stay within.
    std::pair<double, double> m_all{0, CPaneView::kMinSpan};

    std::optional<QPoint> m_pointer;
    QString m_readout;
    // A left press: where it was, where the drag was last, and whether it
    // moved far enough to be a drag rather than a click.
    std::optional<QPoint> m_press;
    QPoint m_dragAt;
    bool m_dragging = false;

    std::unique_ptr<CChartPrinter> m_printer;
    QMenu* m_menu = nullptr;
    QAction* m_styleActions[3] = {};
    QAction* m_logAction = nullptr;
    // The entries that need bars.
    std::vector<QAction*> m_barActions;
};
