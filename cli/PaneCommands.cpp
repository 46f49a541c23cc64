#include "PaneCommands.h"

#include "CliFailure.h"
#include "ArgumentBytes.h"
#include "BaseDraw.h"
#include "ChartExport.h"
#include "ChartKinds.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "EchoText.h"
#include "MarketCommands.h"
#include "MarketStore.h"
#include "PaneColumns.h"
#include "PanePainter.h"
#include "PaneView.h"
#include "PivotCommands.h"
#include "SwingCommands.h"
#include "Swings.h"

#include <QCommandLineParser>

#include <memory>
#include <ostream>

using CliFailure::kFailed;
using CliFailure::kUsageError;
using CliFailure::UsageError;

namespace PaneCommands {
namespace {

constexpr int kMaxSide = 16384;

const QCommandLineOption kOptions[] = {
    {"from", "The first bar's time, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS].", "D"},
    {"to", "The last bar's time (a date takes in its whole day).", "D"},
    {"style", "candles, bars or line (default candles).", "STYLE"},
    {"log", "A logarithmic price axis (for positive prices)."},
    {"size", "The picture's width and height in pixels, WxH (default 1600x600).", "WxH"},
    {"out", "The picture to write: .png, .svg or .pdf.", "FILE"},
    {"trace", "Print the drawing's operations as JSON lines instead of writing a picture."},
};

// What one run was given.
struct Request {
    std::string symbol;
    std::optional<std::int64_t> from;
    std::optional<std::int64_t> to;
    PaneStyle style = PaneStyle::Candles;
    bool log = false;
    Size size{1600, 600};
    std::string out;
    bool trace = false;
    std::optional<SwingMethod> swings;
    std::optional<PivotOptions> pivot;
    ChartOptions chart;
};


bool ReadStyle(const QCommandLineParser& p, Request& r, std::string& error)
{
    const std::string style = p.isSet("style") ? p.value("style").toStdString() : "candles";
    if (style != "candles" && style != "bars" && style != "line") {
        error = "--style takes candles, bars or line, not '" + EchoText(style) + "'";
        return false;
    }
    r.style = style == "candles" ? PaneStyle::Candles : style == "bars" ? PaneStyle::Bars : PaneStyle::Line;
    return true;
}

bool ReadSize(const QCommandLineParser& p, Request& r, std::string& error)
{
    if (!p.isSet("size"))
        return true;
    const QStringList parts = p.value("size").split('x');
    bool okWidth = false, okHeight = false;
    if (parts.size() == 2) {
        r.size.cx = parts[0].toInt(&okWidth);
        r.size.cy = parts[1].toInt(&okHeight);
    }
    // The axes need room beside the plot.
    const int least = CPanePainter::kPriceAxisWidth + 16;
    if (!okWidth || !okHeight || r.size.cx < least || r.size.cy < least || r.size.cx > kMaxSide ||
        r.size.cy > kMaxSide) {
        error = "--size takes WxH, each from " + std::to_string(least) + " to " + std::to_string(kMaxSide) +
            " pixels, not '" + EchoText(p.value("size").toStdString()) + "'";
        return false;
    }
    return true;
}

bool ReadOutput(const QCommandLineParser& p, Request& r, std::string& error)
{
    r.trace = p.isSet("trace");
    if (p.isSet("out"))
        r.out = ArgumentBytes::Path(p.value("out"));
    if (r.trace == !r.out.empty()) {
        error = "pane takes one of --out FILE or --trace";
        return false;
    }
    return true;
}

bool ReadOverlay(const QCommandLineParser& p, Request& r, std::string& error)
{
    if (SwingCommands::HasMethodOptions(p)) {
        r.swings.emplace();
        if (!SwingCommands::ReadMethod(p, *r.swings, error))
            return false;
    }
    if (p.isSet("price") || p.isSet("date") || p.isSet("n") || HasPivotOptions(p)) {
        r.pivot.emplace();
        if (!ReadTargetQuery(p, "pane", *r.pivot, error))
            return false;
        if (!HasAngles(*FindChartKind(r.chart.kind))) {
            error = "pane's targets need a chart kind with angles, not " + r.chart.kind;
            return false;
        }
    }
    return true;
}

bool ReadRequest(const QCommandLineParser& p, Request& r, std::string& error)
{
    const QStringList words = p.positionalArguments();
    if (words.size() != 1) {
        error = "pane takes one symbol";
        return false;
    }
    r.symbol = words[0].toStdString();
    r.log = p.isSet("log");
    return ReadStyle(p, r, error) && ReadSize(p, r, error) && ReadOutput(p, r, error) &&
           ReadChartOptions(p, r.chart, error, true) && ReadOverlay(p, r, error);
}

// The overlay of the request: swings of the series and the pivot's targets
// on the chart of the options, as swings and targets give them.
bool MakeOverlay(Request& r, const BarSeries& series, PaneOverlay& overlay, std::ostream& err)
{
    if (r.swings)
        overlay.swings = FindSwings(series, *r.swings);
    if (!r.pivot)
        return true;
    const std::unique_ptr<CBaseDraw> chart = MakeChart(r.chart, err);
    if (!chart)
        return false;
    std::optional<std::vector<Target>> targets = PivotTargets(*chart, *FindChartKind(r.chart.kind), *r.pivot, err);
    if (targets)
        overlay.targets = std::move(*targets);
    return targets.has_value();
}

int Draw(const Request& r, const BarSeries& series, const PaneOverlay& overlay, std::ostream& out, std::ostream& err)
{
    const Rect pane{0, 0, r.size.cx, r.size.cy};
    const CPaneColumns columns(series);
    CPaneView view;
    view.SetRect(CPanePainter::PlotRect(pane));
    view.SetLog(r.log);
    view.ShowAll(columns);
    const auto paint = [&](CDrawSurface& dc) { CPanePainter(dc, view).Draw(columns, r.style, overlay); };
    if (r.trace)
        return TracePicture(paint, r.size, 1.0, out);
    std::string error;
    if (!ExportPicture({r.symbol, paint}, r.out, pane, 1.0, error)) {
        err << "quadrix-cli: " << error << '\n';
        return kFailed;
    }
    return 0;
}

} // namespace

bool Handles(const QString& word) { return word == "pane"; }

int Run(const QStringList& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("quadrix-cli pane S: the price history of symbol S as a picture, with its "
                                     "swings and a pivot's targets on the chart of the options.");
    parser.addHelpOption();
    MarketCommands::AddStoreOption(parser);
    for (const QCommandLineOption& option : kOptions)
        parser.addOption(option);
    SwingCommands::AddMethodOptions(parser);
    AddChartOptions(parser);
    AddPivotOptions(parser);
    if (!parser.parse(args))
        return UsageError(err, parser.errorText().toStdString());
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return 0;
    }
    Request r;
    std::string error;
    if (!ReadRequest(parser, r, error))
        return UsageError(err, error);
    if (!MarketCommands::ReadTime(parser, "from", r.from, err) || !MarketCommands::ReadTime(parser, "to", r.to, err))
        return kUsageError;
    const std::unique_ptr<CMarketStore> store = MarketCommands::OpenStore(parser, err);
    if (!store)
        return kFailed;
    const Result<BarSeries> series = store->Bars(r.symbol, r.from, r.to);
    if (!series.Ok()) {
        err << "quadrix-cli: " << series.Message() << '\n';
        return kFailed;
    }
    PaneOverlay overlay;
    if (!MakeOverlay(r, series.Value(), overlay, err))
        return kFailed;
    return Draw(r, series.Value(), overlay, out, err);
}

} // namespace PaneCommands
