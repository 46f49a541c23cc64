#pragma once

#include "ChartExport.h"
#include "Geometry.h"

#include <memory>

class CBaseDraw;
class QPainter;
class QPrinter;
class QRect;
class QWidget;
struct WallChart;

// Printing and print preview of the chart window and of the price pane.
// The page is painted directly on the printer through the same drawing path
// as the screen: a region of a picture (a chart's: its canvas with all the
// chart draws beyond it), scaled to fit the printable area and centred, on
// one page; or a wall chart, page after page on its grid's paper. The
// printer keeps its settings from one use to the next.
class CChartPrinter {
public:
    // parent: the window the dialogs belong to.
    explicit CChartPrinter(QWidget* parent);
    ~CChartPrinter();
    CChartPrinter(const CChartPrinter&) = delete;
    CChartPrinter& operator=(const CChartPrinter&) = delete;

    // The print dialog, then the page. False only when printing failed (not
    // when the user cancelled).
    bool Print(const Picture& picture, const Rect& region);
    // The preview window, which paints the page as often as it needs.
    void Preview(const Picture& picture, const Rect& region);
    // A wall chart: the printer takes the grid's paper, and the dialogs offer
    // its pages (all of them, or the range chosen when printing).
    bool Print(const WallChart& chart);
    void Preview(const WallChart& chart);

    // Paints the one page of chart on printer; false when the printer
    // cannot be painted on.
    static bool PrintTo(QPrinter& printer, CBaseDraw& chart, Size canvas, const ChartOverlay& overlay = {});
    static bool PrintTo(QPrinter& printer, const Picture& picture, const Rect& region);
    // Sets printer to chart's paper, the whole sheet, and paints its pages
    // (those of the printer's page range when one is set); false when the
    // printer cannot be painted on or a page fails.
    static bool PrintTo(QPrinter& printer, const WallChart& chart);
    // Paints chart, its canvas and all it draws beyond, scaled to fit area
    // of painter's device, centred in it and clipped to it, overlay over it.
    static void PaintPage(QPainter& painter, const QRect& area, CBaseDraw& chart, Size canvas,
                          const ChartOverlay& overlay = {});
    static void PaintPage(QPainter& painter, const QRect& area, const Picture& picture, const Rect& region);

private:
    QPrinter& Printer();

    QWidget* m_parent = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};
