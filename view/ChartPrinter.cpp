#include "ChartPrinter.h"

#include "ChartExport.h"
#include "PainterSurface.h"
#include "PictureRegion.h"
#include "WallChart.h"
#include "ZoomModel.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace {

// paper, as it lies, on printer's whole sheet. A paper of standard size is
// named so by its size, so that the printer feeds that paper; the
// orientation says how the sheet lies.
void TakeSheet(QPrinter& printer, const PaperSize& paper)
{
    const bool landscape = paper.widthMm > paper.heightMm;
    const QSizeF portrait = landscape ? QSizeF(paper.heightMm, paper.widthMm) : QSizeF(paper.widthMm, paper.heightMm);
    printer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    // After the layout, whose own mode would take the printer's margins again.
    printer.setFullPage(true);
}

// The printer given to a wall chart for one print or preview: its sheet and
// all its pages, whatever range the last print chose. Afterwards the page is
// as it was, so that the next one-page print has its margins again, and the
// range is all pages again.
class WallChartSheet {
public:
    WallChartSheet(QPrinter& printer, const PaperSize& paper)
        : m_printer(printer)
        , m_layout(printer.pageLayout())
        , m_fullPage(printer.fullPage())
    {
        TakeSheet(printer, paper);
        printer.setFromTo(0, 0);
    }
    ~WallChartSheet()
    {
        m_printer.setPageLayout(m_layout);
        m_printer.setFullPage(m_fullPage);
        m_printer.setFromTo(0, 0);
    }
    WallChartSheet(const WallChartSheet&) = delete;
    WallChartSheet& operator=(const WallChartSheet&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout m_layout;
    bool m_fullPage;
};

} // namespace

CChartPrinter::CChartPrinter(QWidget* parent)
    : m_parent(parent)
{
}

CChartPrinter::~CChartPrinter() = default;

// Made on first use: a printer loads the print system, which start-up need not wait for.
QPrinter& CChartPrinter::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool CChartPrinter::Print(const Picture& picture, const Rect& region)
{
    QPrintDialog dialog(&Printer(), m_parent);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    return PrintTo(Printer(), picture, region);
}

void CChartPrinter::Preview(const Picture& picture, const Rect& region)
{
    QPrintPreviewDialog dialog(&Printer(), m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&picture, region](QPrinter* printer) { PrintTo(*printer, picture, region); });
    dialog.exec();
}

// The dialogs show the wall chart's paper.
bool CChartPrinter::Print(const WallChart& chart)
{
    const WallChartSheet sheet(Printer(), chart.grid.GetSheet().paper);
    QPrintDialog dialog(&Printer(), m_parent);
    dialog.setMinMax(1, WallChartPageCount(chart));
    if (dialog.exec() != QDialog::Accepted)
        return true;
    return PrintTo(Printer(), chart);
}

void CChartPrinter::Preview(const WallChart& chart)
{
    const WallChartSheet sheet(Printer(), chart.grid.GetSheet().paper);
    QPrintPreviewDialog dialog(&Printer(), m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&chart](QPrinter* printer) { PrintTo(*printer, chart); });
    dialog.exec();
}

bool CChartPrinter::PrintTo(QPrinter& printer, CBaseDraw& chart, Size canvas, const ChartOverlay& overlay)
{
    return PrintTo(printer, ChartPicture(chart, overlay), PictureRegion(chart, canvas, 1.0));
}

bool CChartPrinter::PrintTo(QPrinter& printer, const Picture& picture, const Rect& region)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top left of the printable area.
    PaintPage(painter, QRect(0, 0, printer.width(), printer.height()), picture, region);
    return painter.end();
}

// The sheet again, in case the dialog changed it: the grid is laid out on it.
bool CChartPrinter::PrintTo(QPrinter& printer, const WallChart& chart)
{
    TakeSheet(printer, chart.grid.GetSheet().paper);
    const int count = WallChartPageCount(chart);
    const bool range = printer.fromPage() > 0;
    const int first = range ? printer.fromPage() - 1 : 0;
    const int last = range ? std::min(printer.toPage(), count) - 1 : count - 1;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // On the whole sheet the painter's origin is the paper's corner.
    const double dotsPerMm = printer.resolution() / 25.4;
    bool painted = true;
    for (int page = first; page <= last && painted; ++page) {
        painted = (page == first || printer.newPage()) &&
                  PaintWallChartPage(painter, dotsPerMm, chart, page) == PaintOutcome::Ok;
    }
    return painter.end() && painted;
}

void CChartPrinter::PaintPage(QPainter& painter, const QRect& area, CBaseDraw& chart, Size canvas,
                              const ChartOverlay& overlay)
{
    PaintPage(painter, area, ChartPicture(chart, overlay), PictureRegion(chart, canvas, 1.0));
}

void CChartPrinter::PaintPage(QPainter& painter, const QRect& area, const Picture& picture, const Rect& region)
{
    const CZoomModel::PageFit fit = CZoomModel::FitToPage(region, {area.width(), area.height()});
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.left() + fit.offset.x, area.top() + fit.offset.y);
    {
        CPainterSurface dc(painter, fit.scale);
        picture.paint(dc);
    }
    painter.restore();
}
