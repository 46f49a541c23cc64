#include "ChartPrinter.h"

#include "ChartExport.h"
#include "PainterSurface.h"
#include "PictureRegion.h"
#include "ZoomModel.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

bool CChartPrinter::Print(CBaseDraw& chart, Size canvas, const ChartOverlay& overlay)
{
    return Print(ChartPicture(chart, overlay), PictureRegion(chart, canvas, 1.0));
}

bool CChartPrinter::Print(const Picture& picture, const Rect& region)
{
    QPrintDialog dialog(&Printer(), m_parent);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    return PrintTo(Printer(), picture, region);
}

void CChartPrinter::Preview(CBaseDraw& chart, Size canvas, const ChartOverlay& overlay)
{
    Preview(ChartPicture(chart, overlay), PictureRegion(chart, canvas, 1.0));
}

void CChartPrinter::Preview(const Picture& picture, const Rect& region)
{
    QPrintPreviewDialog dialog(&Printer(), m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&picture, region](QPrinter* printer) { PrintTo(*printer, picture, region); });
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
