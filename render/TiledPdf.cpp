#include "TiledPdf.h"

#include "WallChart.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Fine enough that the chart's whole-pixel geometry lands within a hair of
// where the scale puts it.
constexpr int kDotsPerInch = 600;

PaintOutcome WritePages(QIODevice& file, const WallChart& chart)
{
    const PaperSize& paper = chart.grid.GetSheet().paper;
    QPdfWriter pdf(&file);
    pdf.setResolution(kDotsPerInch);
    pdf.setPageSize(
        QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(chart.picture.title));
    QPainter painter;
    if (!painter.begin(&pdf))
        return PaintOutcome::Failed;
    PaintOutcome painted = PaintOutcome::Ok;
    for (int page = 0; page < WallChartPageCount(chart) && painted == PaintOutcome::Ok; ++page) {
        if (page > 0 && !pdf.newPage())
            return PaintOutcome::Failed;
        painted = PaintWallChartPage(painter, kDotsPerInch / 25.4, chart, page);
    }
    if (!painter.end())
        return PaintOutcome::Failed;
    return painted;
}

} // namespace

bool ExportTiledPdf(const WallChart& chart, const std::string& path, std::string& error)
{
    return WritePictureFile(path, "pdf", [&](QIODevice& file) { return WritePages(file, chart); }, error);
}
