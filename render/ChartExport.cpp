#include "ChartExport.h"

#include "BaseDraw.h"
#include "PainterSurface.h"
#include "SvgPaintDevice.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace {

// Sides beyond this would need gigabytes of image memory.
constexpr double kMaxSidePixels = 16384;

// Paints chart on white over the whole side x side device.
bool PaintOn(QPaintDevice& device, int side, CBaseDraw& chart, double zoom)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(0, 0, side, side, Qt::white);
    {
        CPainterSurface dc(painter, zoom);
        PaintChart(chart, dc);
    }
    return painter.end();
}

bool WritePng(QSaveFile& file, int side, CBaseDraw& chart, double zoom)
{
    QImage image(side, side, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    return PaintOn(image, side, chart, zoom) && image.save(&file, "PNG");
}

// Written while painted, so that a chart of a million cells does not sit in
// memory as text first.
bool WriteSvg(QSaveFile& file, int side, CBaseDraw& chart, double zoom)
{
    CSvgPaintDevice svg(file, QSize(side, side), QString::fromStdString(chart.GetName()));
    return PaintOn(svg, side, chart, zoom) && svg.Ok();
}

// One pixel of the picture is one point of the page.
bool WritePdf(QSaveFile& file, int side, CBaseDraw& chart, double zoom)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(side, side), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(chart.GetName()));
    return PaintOn(pdf, side, chart, zoom);
}

} // namespace

void PaintChart(CBaseDraw& chart, CDrawSurface& dc)
{
    chart.Draw(dc);
    chart.DrawComments(dc);
}

void PaintChartToImage(CBaseDraw& chart, QImage& image, double zoom)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterSurface dc(painter, zoom);
    PaintChart(chart, dc);
}

bool ExportChart(CBaseDraw& chart, const std::string& path, int canvas, double zoom, std::string& error)
{
    const QString fileName = QString::fromStdString(path);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    bool (*write)(QSaveFile&, int, CBaseDraw&, double) = nullptr;
    if (suffix == QLatin1String("png"))
        write = WritePng;
    else if (suffix == QLatin1String("svg"))
        write = WriteSvg;
    else if (suffix == QLatin1String("pdf"))
        write = WritePdf;
    if (!write) {
        error = "cannot export to \"" + path + "\": the file name must end in .png, .svg or .pdf";
        return false;
    }

    const double side = std::round(canvas * zoom);
    if (!(side >= 1 && side <= kMaxSidePixels)) {
        error = "cannot export \"" + path + "\": a canvas of " + std::to_string(canvas) + " units at zoom " +
                QString::number(zoom).toStdString() + " is not 1 to " +
                std::to_string(static_cast<int>(kMaxSidePixels)) + " pixels wide";
        return false;
    }

    // Written to a temporary file that replaces path only when complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    if (!write(file, static_cast<int>(side), chart, zoom)) {
        file.cancelWriting();
        error = "cannot write \"" + path + "\": " +
                (file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                     : std::string("painting the chart failed"));
        return false;
    }
    if (!file.commit()) {
        error = "cannot write \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    return true;
}
