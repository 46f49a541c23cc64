#include "WallChartOptions.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "PageGrid.h"
#include "PictureRegion.h"
#include "TiledPdf.h"
#include "WallChart.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cmath>
#include <optional>
#include <ostream>

namespace WallChartOptions {
namespace {

constexpr int kUsageError = 2;
// Smaller cells are unreadable, larger ones fill a page with one cell.
constexpr double kSmallestCellMm = 0.5;
constexpr double kLargestCellMm = 500;

const char* const kNames[] = {"pages", "cell-mm", "paper", "landscape", "overlap"};

int Fail(std::ostream& err, const std::string& message, int status)
{
    err << "quadrix-cli: " << message << (status == kUsageError ? " (see --help)" : "") << '\n';
    return status;
}

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
    const std::optional<double> cell = Millimetres(parser.value("cell-mm"));
    if (!cell || *cell < kSmallestCellMm || *cell > kLargestCellMm)
        return Failure{"--cell-mm takes millimetres from " + QString::number(kSmallestCellMm).toStdString() +
                       " to " + QString::number(kLargestCellMm).toStdString()};
    const double pitch = CellPitch(chart);
    if (!(pitch > 0))
        return Failure{"the chart has no two cells to measure --cell-mm by"};
    return CPageGrid::AtScale(region, sheet, *cell / pitch);
}

} // namespace

void Add(QCommandLineParser& parser)
{
    parser.addOption({"pages", "render: print the chart as a PDF on C x R pages.", "CxR"});
    parser.addOption({"cell-mm", "render: print the chart as a PDF with cells MM millimetres wide, on as many "
                                 "pages as it needs (default: labels of 7 pt).", "MM"});
    parser.addOption({"paper", "Paper of --pages and --cell-mm: A4, A3, A2, Letter or Legal (default A4).", "NAME"});
    parser.addOption({"landscape", "Paper of --pages and --cell-mm turned sideways."});
    parser.addOption({"overlap", "What neighbouring pages share, in millimetres (default 10).", "MM"});
}

bool Given(const QCommandLineParser& parser)
{
    for (const char* name : kNames)
        if (parser.isSet(name))
            return true;
    return false;
}

int Render(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path, std::ostream& err,
           const ChartOverlay& overlay)
{
    if (parser.isSet("pages") && parser.isSet("cell-mm"))
        return Fail(err, "give --pages or --cell-mm, not both", kUsageError);
    if (!QString::fromStdString(path).endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return Fail(err, "--pages, --cell-mm, --paper, --landscape and --overlap write a .pdf file", kUsageError);
    std::string error;
    const std::optional<Sheet> sheet = ReadSheet(parser, error);
    if (!sheet)
        return Fail(err, error, kUsageError);
    // Laid out by this paint, so that the cells can be measured next.
    const Rect region = PictureRegion(chart, chart.m_szCanvas, 1.0);
    const Result<CPageGrid> grid = ReadGrid(parser, chart, region, *sheet);
    if (!grid.Ok())
        return Fail(err, grid.Message(), kUsageError);
    if (!ExportTiledPdf(WallChart{ChartPicture(chart, overlay), grid.Value(), false, {}}, path, error))
        return Fail(err, error, 1);
    return 0;
}

} // namespace WallChartOptions
