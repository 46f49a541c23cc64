#include "WallChartOptions.h"

#include "CliFailure.h"
#include "BaseDraw.h"
#include "CaptionedPicture.h"
#include "CellFacts.h"
#include "PageGrid.h"
#include "PictureRegion.h"
#include "SvgPaintDevice.h"
#include "TiledPdf.h"
#include "WallChart.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <optional>
#include <ostream>

using CliFailure::Fail;
using CliFailure::UsageError;

namespace WallChartOptions {
namespace {

// A PNG's resolution: coarser is a screen's, finer no printer resolves.
constexpr int kDefaultDpi = 300;
constexpr int kLowestDpi = 30;
constexpr int kHighestDpi = 1200;

const char* const kNames[] = {"pages", "cell-mm", "paper", "landscape", "overlap", "overview", "dpi"};
// What only the PDF of pages takes.
const char* const kPageNames[] = {"pages", "paper", "landscape", "overlap", "overview"};

// A number of millimetres from text, or nothing when it is not one.
std::optional<double> Millimetres(const QString& text)
{
    bool ok = false;
    const double mm = text.toDouble(&ok);
    if (!ok || !std::isfinite(mm))
        return std::nullopt;
    return mm;
}

std::optional<Sheet> ReadSheet(const QCommandLineParser& parser, std::string& error)
{
    const QString name = parser.isSet("paper") ? parser.value("paper") : QStringLiteral("A4");
    const std::optional<PaperSize> paper = CPageGrid::FindPaper(name.toStdString(), parser.isSet("landscape"));
    if (!paper) {
        error = "--paper takes A4, A3, A2, Letter or Legal";
        return std::nullopt;
    }
    Sheet sheet{*paper};
    if (parser.isSet("overlap")) {
        const std::optional<double> overlap = Millimetres(parser.value("overlap"));
        if (!overlap || *overlap < 0) {
            error = "--overlap takes millimetres, 0 or more";
            return std::nullopt;
        }
        sheet.overlapMm = *overlap;
    }
    return sheet;
}

// The scale of --cell-mm: millimetres a chart unit.
Result<double> CellMmPerUnit(const QCommandLineParser& parser, CBaseDraw& chart)
{
    const std::optional<double> cell = Millimetres(parser.value("cell-mm"));
    if (!cell || *cell < CPageGrid::kSmallestCellMm || *cell > CPageGrid::kLargestCellMm)
        return Failure{"--cell-mm takes millimetres from " +
                       QString::number(CPageGrid::kSmallestCellMm).toStdString() + " to " +
                       QString::number(CPageGrid::kLargestCellMm).toStdString()};
    return CPageGrid::MmPerUnitOfCell(*cell, CellPitch(chart));
}

// The grid of the options over region: --pages, --cell-mm or labels of 7 pt.
Result<CPageGrid> ReadGrid(const QCommandLineParser& parser, CBaseDraw& chart, const Rect& region, const Sheet& sheet)
{
    if (parser.isSet("pages")) {
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("^([0-9]{1,4})x([0-9]{1,4})$")).match(parser.value("pages"));
        if (!pages.hasMatch())
            return Failure{"--pages takes columns x rows, such as 2x3"};
        return CPageGrid::OnPages(region, sheet, pages.captured(1).toInt(), pages.captured(2).toInt());
    }
    if (!parser.isSet("cell-mm"))
        return CPageGrid::AtScale(region, sheet, CPageGrid::ReadableMmPerUnit(chart.LabelFont().height));
    const Result<double> mmPerUnit = CellMmPerUnit(parser, chart);
    if (!mmPerUnit.Ok())
        return Failure{mmPerUnit.Message()};
    return CPageGrid::AtScale(region, sheet, mmPerUnit.Value());
}

// Device pixels a millimetre of the picture file: --dpi for PNG, CSS pixels
// for SVG.
std::optional<double> PixelsPerMm(const QCommandLineParser& parser, bool png)
{
    if (!png)
        return CSvgPaintDevice::kDotsPerInch / 25.4;
    if (!parser.isSet("dpi"))
        return kDefaultDpi / 25.4;
    bool ok = false;
    const int dpi = parser.value("dpi").toInt(&ok);
    if (!ok || dpi < kLowestDpi || dpi > kHighestDpi)
        return std::nullopt;
    return dpi / 25.4;
}

// The chart as one PNG or SVG picture with cells of --cell-mm.
int RenderPicture(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path, bool png,
                  std::ostream& err, const ChartOverlay& overlay, const std::vector<std::string>& caption)
{
    const std::optional<double> pixelsPerMm = PixelsPerMm(parser, png);
    if (!pixelsPerMm)
        return UsageError(err, "--dpi takes a whole number from " + std::to_string(kLowestDpi) + " to " +
                             std::to_string(kHighestDpi));
    // Laid out by this paint, so that the cells can be measured next.
    PictureRegion(chart, chart.m_szCanvas, 1.0);
    const Result<double> mmPerUnit = CellMmPerUnit(parser, chart);
    if (!mmPerUnit.Ok())
        return UsageError(err, mmPerUnit.Message());
    const double zoom = mmPerUnit.Value() * *pixelsPerMm;
    const CaptionedPicture picture = AddCaption(ChartPicture(chart, overlay), PictureRegion(chart, chart.m_szCanvas, zoom),
                                                caption, chart.LabelFont(), zoom);
    const double longest = std::max(picture.region.Width(), picture.region.Height()) * zoom;
    if (longest > kMaxPictureSide)
        return UsageError(err, "cells of " + parser.value("cell-mm").toStdString() + " mm make a picture " +
                                   std::to_string(static_cast<long long>(std::ceil(longest))) +
                                   " pixels across, more than " + std::to_string(kMaxPictureSide) +
                                   "; give a smaller --cell-mm" + (png ? " or --dpi" : ""));
    std::string error;
    if (!ExportPicture(picture.picture, path, picture.region, zoom, error))
        return Fail(err, error);
    return 0;
}

// The chart over the pages of a PDF.
int RenderPages(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path, std::ostream& err,
                const ChartOverlay& overlay, const std::vector<std::string>& caption)
{
    std::string error;
    const std::optional<Sheet> sheet = ReadSheet(parser, error);
    if (!sheet)
        return UsageError(err, error);
    // Laid out by this paint, so that the cells can be measured next.
    const Rect region = PictureRegion(chart, chart.m_szCanvas, 1.0);
    const Result<CPageGrid> grid = ReadGrid(parser, chart, region, *sheet);
    if (!grid.Ok())
        return UsageError(err, grid.Message());
    const WallChart wall{ChartPicture(chart, overlay), grid.Value(), parser.isSet("overview"), caption};
    if (!ExportTiledPdf(wall, path, error))
        return Fail(err, error);
    return 0;
}

} // namespace

void Add(QCommandLineParser& parser)
{
    parser.addOption({"pages", "render: print the chart as a PDF on C x R pages.", "CxR"});
    parser.addOption({"cell-mm", "render: print the chart as a PDF with cells MM millimetres wide, on as many "
                                 "pages as it needs (default: labels of 7 pt); to a .png or .svg file, one "
                                 "picture at that scale.", "MM"});
    parser.addOption({"paper", "Paper of --pages and --cell-mm: A4, A3, A2, Letter or Legal (default A4).", "NAME"});
    parser.addOption({"landscape", "Paper of --pages and --cell-mm turned sideways."});
    parser.addOption({"overlap", "What neighbouring pages share, in millimetres (default 10).", "MM"});
    parser.addOption({"overview", "A first page showing the whole chart small with the pages over it."});
    parser.addOption({"dpi", "Pixels an inch of the PNG of --cell-mm, 30 to 1200 (default 300).", "N"});
}

bool Given(const QCommandLineParser& parser)
{
    for (const char* name : kNames)
        if (parser.isSet(name))
            return true;
    return false;
}

int Render(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path, std::ostream& err,
           const ChartOverlay& overlay, const std::vector<std::string>& caption)
{
    if (parser.isSet("pages") && parser.isSet("cell-mm"))
        return UsageError(err, "give --pages or --cell-mm, not both");
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf"), png = suffix == QLatin1String("png");
    if (parser.isSet("dpi") && !(png && parser.isSet("cell-mm")))
        return UsageError(err, "--dpi goes with --cell-mm and a .png file");
    if (pdf)
        return RenderPages(parser, chart, path, err, overlay, caption);
    for (const char* name : kPageNames)
        if (parser.isSet(name))
            return UsageError(err, "--pages, --paper, --landscape, --overlap and --overview write a .pdf file");
    if (!png && suffix != QLatin1String("svg"))
        return UsageError(err, "--cell-mm writes a .pdf, .png or .svg file");
    return RenderPicture(parser, chart, path, png, err, overlay, caption);
}

} // namespace WallChartOptions
