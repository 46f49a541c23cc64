#include "ChartExport.h"

#include "BaseDraw.h"
#include "PainterSurface.h"

#include <QImage>
#include <QPainter>

void PaintChart(CBaseDraw& chart, CDrawSurface& dc)
{
    chart.Draw(dc);
    chart.DrawComments(dc);
}

// STUB: to be implemented.
void PaintChartToImage(CBaseDraw& chart, QImage& image, double zoom)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterSurface dc(painter, zoom);
    PaintChart(chart, dc);
}

bool ExportChart(CBaseDraw&, const std::string&, int, double, std::string& error)
{
    error = "not implemented";
    return false;
}
