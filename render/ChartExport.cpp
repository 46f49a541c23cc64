#include "ChartExport.h"

#include "BaseDraw.h"
#include "PainterSurface.h"
#include "RecordingSurface.h"
#include "ReplacingDevice.h"
#include "ReplacingFile.h"
#include "SvgPaintDevice.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Vector files keep every shape and line of text; a PDF is held in memory
// until it is written, some hundred bytes an item. Charts of millions of
// cells would need gigabytes: they are refused.
constexpr std::size_t kMaxVectorItems = std::size_t{1} << 22;

enum class Painted { Ok, Failed, TooLarge };

// Paints chart on white over the whole side x side device, with at most
// itemLimit shapes and lines of text.
Painted PaintOn(QPaintDevice& device, int side, CBaseDraw& chart, double zoom, std::size_t itemLimit)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Painted::Failed;
    painter.fillRect(0, 0, side, side, Qt::white);
    bool tooLarge = false;
    {
        CPainterSurface dc(painter, zoom);
        dc.LimitItems(itemLimit);
        PaintChart(chart, dc);
        tooLarge = dc.LeftItemsOut();
    }
    if (!painter.end())
        return Painted::Failed;
    return tooLarge ? Painted::TooLarge : Painted::Ok;
}

Painted PaintImage(QImage& image, int side, CBaseDraw& chart, double zoom)
{
    image = QImage(side, side, QImage::Format_RGB32);
    if (image.isNull())
        return Painted::Failed;
    return PaintOn(image, side, chart, zoom, SIZE_MAX);
}

Painted WritePng(QIODevice& file, int side, CBaseDraw& chart, double zoom)
{
    QImage image;
    const Painted painted = PaintImage(image, side, chart, zoom);
    if (painted == Painted::Ok && !image.save(&file, "PNG"))
        return Painted::Failed;
    return painted;
}

// Written while painted, so that a chart of a million cells does not sit in
// memory as text first.
Painted WriteSvg(QIODevice& file, int side, CBaseDraw& chart, double zoom)
{
    CSvgPaintDevice svg(file, QSize(side, side), QString::fromStdString(chart.GetName()));
    const Painted painted = PaintOn(svg, side, chart, zoom, kMaxVectorItems);
    if (painted == Painted::Ok && !svg.Ok())
        return Painted::Failed;
    return painted;
}

// One pixel of the picture is one point of the page. QPdfWriter reports no
// write error: the device remembers them.
Painted WritePdf(QIODevice& file, int side, CBaseDraw& chart, double zoom)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(side, side), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(chart.GetName()));
    return PaintOn(pdf, side, chart, zoom, kMaxVectorItems);
}

// The side in pixels of the picture of a canvas at a zoom, or 0 with a
// message after failure when it is not 1 to kMaxPictureSide pixels.
int PictureSide(const std::string& failure, int canvas, double zoom, std::string& error)
{
    const double side = std::round(canvas * zoom);
    if (side >= 1 && side <= kMaxPictureSide)
        return static_cast<int>(side);
    error = failure + ": a canvas of " + std::to_string(canvas) + " units at zoom " +
            QString::number(zoom).toStdString() + " is not 1 to " + std::to_string(kMaxPictureSide) +
            " pixels wide";
    return 0;
}

} // namespace

void PaintChart(CBaseDraw& chart, CDrawSurface& dc)
{
    chart.Draw(dc);
    chart.DrawComments(dc);
}

// No text is laid out on a recording surface.
void SettlePaintedValues(CBaseDraw& chart)
{
    CRecordingSurface scratch;
    PaintChart(chart, scratch);
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
    Painted (*write)(QIODevice&, int, CBaseDraw&, double) = nullptr;
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

    const int side = PictureSide("cannot export \"" + path + "\"", canvas, zoom, error);
    if (side == 0)
        return false;

    CReplacingFile file(path);
    if (const Result<void> opened = file.Open(); !opened.Ok()) {
        error = opened.Message();
        return false;
    }
    CReplacingDevice device(file);
    const Painted painted = write(device, side, chart, zoom);
    if (painted == Painted::TooLarge) {
        error = "cannot export \"" + path + "\": the chart draws more than " + std::to_string(kMaxVectorItems) +
                " shapes and texts, too many for a ." + suffix.toStdString() + " file; export it as PNG";
        return false;
    }
    if (painted == Painted::Failed) {
        error = file.WriteError().empty() ? "cannot write \"" + path + "\": painting the chart failed"
                                          : file.WriteError();
        return false;
    }
    const Result<void> committed = file.Commit();
    if (!committed.Ok())
        error = committed.Message();
    return committed.Ok();
}

QImage ChartImage(CBaseDraw& chart, int canvas, double zoom, int maxSide, std::string& error)
{
    // The labels keep the chart's own zoom: the picture shrinks as a whole.
    if (canvas > 0 && canvas * zoom > maxSide)
        zoom = static_cast<double>(maxSide) / canvas;
    QImage image;
    const int side = PictureSide("cannot copy the chart", canvas, zoom, error);
    if (side != 0 && PaintImage(image, side, chart, zoom) != Painted::Ok) {
        error = "cannot copy the chart: no memory for a picture " + std::to_string(side) + " pixels wide";
        image = QImage();
    }
    return image;
}
