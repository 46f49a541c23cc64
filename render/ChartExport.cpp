#include "ChartExport.h"

#include "BaseDraw.h"
#include "PainterSurface.h"
#include "ReplacingDevice.h"
#include "ReplacingFile.h"
#include "SvgPaintDevice.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Where a picture lies: its size in pixels and the pixel of chart point (0, 0).
struct Frame {
    QSize size;
    QPoint origin;
};

// Paints the picture on white over the whole frame, without drag handles,
// with at most itemLimit shapes and lines of text.
PaintOutcome PaintOn(QPaintDevice& device, const Frame& frame, const Picture& picture, double zoom, std::size_t itemLimit)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PaintOutcome::Failed;
    painter.fillRect(QRect(QPoint(0, 0), frame.size), Qt::white);
    painter.translate(frame.origin);
    bool tooLarge = false;
    {
        CPainterSurface dc(painter, zoom);
        dc.LimitItems(itemLimit);
        dc.LeaveOutHandles();
        picture.paint(dc);
        tooLarge = dc.LeftItemsOut();
    }
    if (!painter.end())
        return PaintOutcome::Failed;
    return tooLarge ? PaintOutcome::TooLarge : PaintOutcome::Ok;
}

PaintOutcome PaintImage(QImage& image, const Frame& frame, const Picture& picture, double zoom)
{
    image = QImage(frame.size, QImage::Format_RGB32);
    if (image.isNull())
        return PaintOutcome::Failed;
    return PaintOn(image, frame, picture, zoom, SIZE_MAX);
}

PaintOutcome WritePng(QIODevice& file, const Frame& frame, const Picture& picture, double zoom)
{
    QImage image;
    const PaintOutcome painted = PaintImage(image, frame, picture, zoom);
    if (painted == PaintOutcome::Ok && !image.save(&file, "PNG"))
        return PaintOutcome::Failed;
    return painted;
}

// Written while painted, so that a chart of a million cells does not sit in
// memory as text first.
PaintOutcome WriteSvg(QIODevice& file, const Frame& frame, const Picture& picture, double zoom)
{
    CSvgPaintDevice svg(file, frame.size, QString::fromStdString(picture.title));
    const PaintOutcome painted = PaintOn(svg, frame, picture, zoom, kMaxVectorItems);
    if (painted == PaintOutcome::Ok && !svg.Ok())
        return PaintOutcome::Failed;
    return painted;
}

// One pixel of the picture is one point of the page. QPdfWriter reports no
// write error: the device remembers them.
PaintOutcome WritePdf(QIODevice& file, const Frame& frame, const Picture& picture, double zoom)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(frame.size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(picture.title));
    return PaintOn(pdf, frame, picture, zoom, kMaxVectorItems);
}

// The picture of region (chart units) at a zoom, or an empty size with a
// message after failure when a side is not 1 to kMaxPictureSide pixels.
Frame PictureFrame(const std::string& failure, const Rect& region, double zoom, std::string& error)
{
    const double width = std::round(region.Width() * zoom);
    const double height = std::round(region.Height() * zoom);
    if (width >= 1 && width <= kMaxPictureSide && height >= 1 && height <= kMaxPictureSide)
        return {QSize(static_cast<int>(width), static_cast<int>(height)),
                QPoint(-static_cast<int>(std::round(region.left * zoom)), -static_cast<int>(std::round(region.top * zoom)))};
    error = failure + ": a picture of " + std::to_string(region.Width()) + " x " + std::to_string(region.Height()) +
            " units at zoom " + QString::number(zoom).toStdString() + " is not 1 to " +
            std::to_string(kMaxPictureSide) + " pixels a side";
    return {};
}

} // namespace

Picture ChartPicture(CBaseDraw& chart, const ChartOverlay& overlay)
{
    return {chart.GetName(), [&chart, overlay](CDrawSurface& dc) { PaintChart(chart, dc, overlay); }};
}

void PaintChart(CBaseDraw& chart, CDrawSurface& dc, const ChartOverlay& overlay)
{
    chart.Draw(dc);
    chart.DrawComments(dc);
    if (overlay)
        overlay(chart, dc);
}

bool ExportChart(CBaseDraw& chart, const std::string& path, int canvas, double zoom, std::string& error,
                 const ChartOverlay& overlay)
{
    return ExportChart(chart, path, Rect{0, 0, canvas, canvas}, zoom, error, overlay);
}

bool ExportChart(CBaseDraw& chart, const std::string& path, const Rect& region, double zoom, std::string& error,
                 const ChartOverlay& overlay)
{
    return ExportPicture(ChartPicture(chart, overlay), path, region, zoom, error);
}

bool ExportPicture(const Picture& picture, const std::string& path, const Rect& region, double zoom,
                   std::string& error)
{
    const QString fileName = QString::fromStdString(path);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    PaintOutcome (*write)(QIODevice&, const Frame&, const Picture&, double) = nullptr;
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

    const Frame frame = PictureFrame("cannot export \"" + path + "\"", region, zoom, error);
    if (frame.size.isEmpty())
        return false;

    return WritePictureFile(path, suffix.toStdString(),
                            [&](QIODevice& device) { return write(device, frame, picture, zoom); }, error);
}

bool WritePictureFile(const std::string& path, const std::string& suffix,
                      const std::function<PaintOutcome(QIODevice&)>& write, std::string& error)
{
    CReplacingFile file(path);
    if (const Result<void> opened = file.Open(); !opened.Ok()) {
        error = opened.Message();
        return false;
    }
    CReplacingDevice device(file);
    const PaintOutcome painted = write(device);
    if (painted == PaintOutcome::TooLarge) {
        error = "cannot export \"" + path + "\": the chart draws more than " + std::to_string(kMaxVectorItems) +
                " shapes and texts, too many for a ." + suffix + " file; export it as PNG";
        return false;
    }
    if (painted == PaintOutcome::Failed) {
        error = file.WriteError().empty() ? "cannot write \"" + path + "\": painting the chart failed"
                                          : file.WriteError();
        return false;
    }
    const Result<void> committed = file.Commit();
    if (!committed.Ok())
        error = committed.Message();
    return committed.Ok();
}

QImage ChartImage(CBaseDraw& chart, const Rect& region, double zoom, int maxSide, std::string& error,
                  const ChartOverlay& overlay)
{
    return PictureImage(ChartPicture(chart, overlay), region, zoom, maxSide, error);
}

QImage PictureImage(const Picture& picture, const Rect& region, double zoom, int maxSide, std::string& error)
{
    // The labels keep the picture's own zoom: the picture shrinks as a whole.
    const int longest = std::max(region.Width(), region.Height());
    if (longest > 0 && longest * zoom > maxSide)
        zoom = static_cast<double>(maxSide) / longest;
    QImage image;
    const Frame frame = PictureFrame("cannot copy the chart", region, zoom, error);
    if (!frame.size.isEmpty() && PaintImage(image, frame, picture, zoom) != PaintOutcome::Ok) {
        error = "cannot copy the chart: no memory for a picture " + std::to_string(frame.size.width()) + " x " +
                std::to_string(frame.size.height()) + " pixels";
        image = QImage();
    }
    return image;
}

QImage ChartImage(CBaseDraw& chart, int canvas, double zoom, int maxSide, std::string& error)
{
    return ChartImage(chart, Rect{0, 0, canvas, canvas}, zoom, maxSide, error);
}
