#include "CliCommands.h"

#include "CliFailure.h"
#include "BaseDraw.h"
#include "CaptionedPicture.h"
#include "CellTable.h"
#include "ChartExport.h"
#include "ChartFile.h"
#include "ChartKinds.h"
#include "ChartSetJson.h"
#include "ChartSlots.h"
#include "CliOptions.h"
#include "PainterSurface.h"
#include "PlainFile.h"
#include "RecordingSurface.h"

#include <QImage>
#include <QPainter>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <ostream>

using CliFailure::Fail;

using ordered_json = nlohmann::ordered_json;

namespace {

// The largest JSON write reads: as large as the largest chart file, more
// than any set of charts needs, and little enough to parse in memory.
constexpr std::size_t kMaxJsonSize = 64 << 20;

// A label is the cell's when its box is centred on the cell's centre; the
// tolerance covers the one-unit differences of odd sizes.
constexpr int kLabelTolerance = 2;

ordered_json PenJson(const Pen& pen)
{
    return {{"style", pen.style == PenStyle::Dot ? "dot" : "solid"}, {"width", pen.width}, {"color", pen.color}};
}

ordered_json RectJson(const Rect& rc) { return ordered_json::array({rc.left, rc.top, rc.right, rc.bottom}); }

ordered_json FontJson(const Font& font)
{
    return {{"face", font.face}, {"height", font.height}, {"weight", font.weight}, {"italic", font.italic}};
}

ordered_json OpJson(const SurfaceOp& op)
{
    using Kind = SurfaceOp::Kind;
    ordered_json j = {{"op", SurfaceOp::Name(op.kind)}};
    switch (op.kind) {
    case Kind::MoveTo:
        j["x"] = op.to.x;
        j["y"] = op.to.y;
        break;
    case Kind::LineTo:
        j["from"] = ordered_json::array({op.from.x, op.from.y});
        j["x"] = op.to.x;
        j["y"] = op.to.y;
        j["pen"] = PenJson(op.pen);
        break;
    case Kind::Ellipse:
        j["rect"] = RectJson(op.rect);
        j["pen"] = PenJson(op.pen);
        if (op.brush.hollow)
            j["brush"] = "hollow";
        else
            j["color"] = op.brush.color;
        break;
    case Kind::FillRect:
    case Kind::FillEllipse:
        j["rect"] = RectJson(op.rect);
        j["color"] = op.brush.color;
        break;
    case Kind::FillSolidRect:
        j["rect"] = RectJson(op.rect);
        j["color"] = op.color;
        break;
    case Kind::Draw3dRect:
        j["rect"] = RectJson(op.rect);
        j["color"] = op.color;
        j["color2"] = op.color2;
        break;
    case Kind::Text:
    case Kind::Measure:
        j["rect"] = RectJson(op.rect);
        j["color"] = op.color;
        j["text"] = op.text;
        j["flags"] = op.flags;
        j["height"] = op.result;
        j["font"] = FontJson(op.font);
        j["bkmode"] = op.bkMode == BkMode::Opaque ? "opaque" : "transparent";
        break;
    }
    return j;
}

// The cell a drawn text belongs to, or 0 when it is no cell's label.
int LabelCell(CBaseDraw& chart, const Rect& rc, long long cellCount)
{
    const Point c = rc.Center();
    const int n = chart.HitTest(c.x, c.y);
    if (n < 1 || n > cellCount)
        return 0;
    const Point centre = chart.GetCellCenter(n);
    if (std::abs(centre.x - c.x) > kLabelTolerance || std::abs(centre.y - c.y) > kLabelTolerance)
        return 0;
    return n;
}


} // namespace

std::unique_ptr<CBaseDraw> MakeChart(ChartOptions& options, std::ostream& err)
{
    std::string error;
    std::unique_ptr<CBaseDraw> chart = options.file.empty() ? BuildChart(options) : LoadChart(options, error);
    if (chart && !CheckChart(*chart, options, error))
        chart.reset();
    if (!chart) {
        err << "quadrix-cli: " << error << '\n';
        return nullptr;
    }
    return options.file.empty() || FitFileZoom(*chart, options, err) ? std::move(chart) : nullptr;
}

bool FitFileZoom(CBaseDraw& chart, ChartOptions& options, std::ostream& err)
{
    if (options.given.count("zoom"))
        return true;
    const float zoom = chart.m_fZoom;
    const double canvas = options.canvas;
    if (!(zoom > 0.0f) || std::round(canvas * zoom) < 1.0) {
        err << "quadrix-cli: " << options.file << ": the chart's zoom " << zoom << " gives no picture of a "
            << options.canvas << "-unit canvas; give --zoom\n";
        return false;
    }
    const auto largest = static_cast<float>(kMaxPictureSide / canvas);
    if (zoom > largest) {
        err << "quadrix-cli: note: " << options.file << ": the chart's zoom " << zoom << " gives a picture over "
            << kMaxPictureSide << " pixels; drawn at zoom " << largest << '\n';
        chart.m_fZoom = options.zoom = largest;
    }
    return true;
}

int RunRender(CBaseDraw& chart, const ChartOptions& options, const std::string& path, std::ostream& err,
              const ChartOverlay& overlay, const std::vector<std::string>& caption)
{
    const CaptionedPicture picture = AddCaption(ChartPicture(chart, overlay), Rect{0, 0, options.canvas, options.canvas},
                                                caption, chart.LabelFont(), options.zoom);
    // The options allow the largest picture, which a caption would outgrow.
    const double longest = std::max(picture.region.Width(), picture.region.Height()) * static_cast<double>(options.zoom);
    if (!caption.empty() && std::round(longest) > kMaxPictureSide) {
        err << "quadrix-cli: the caption makes the picture larger than " << kMaxPictureSide
            << " pixels a side: give --caption off or a smaller --zoom\n";
        return 1;
    }
    std::string error;
    if (!ExportPicture(picture.picture, path, picture.region, options.zoom, error)) {
        err << "quadrix-cli: " << error << '\n';
        return 1;
    }
    return 0;
}

int RunCells(CBaseDraw& chart, const ChartOptions& options, std::ostream& out)
{
    CRecordingSurface dc;
    PaintChart(chart, dc);

    const ChartKind* kind = FindChartKind(options.kind);
    const long long count = kind->cellCount(chart.LayoutRings());
    std::vector<const SurfaceOp*> labels(static_cast<size_t>(count) + 1, nullptr);
    for (const SurfaceOp& op : dc.Ops()) {
        if (op.kind != SurfaceOp::Kind::Text)
            continue;
        const int n = LabelCell(chart, op.rect, count);
        if (n > 0 && !labels[static_cast<size_t>(n)])
            labels[static_cast<size_t>(n)] = &op;
    }

    out << "[\n";
    for (long long n = 1; n <= count; ++n) {
        const Point c = chart.GetCellCenter(static_cast<int>(n));
        const SurfaceOp* label = labels[static_cast<size_t>(n)];
        const ordered_json cell = {{"n", n},
                                   {"x", c.x},
                                   {"y", c.y},
                                   {"label", label ? label->text : std::string()},
                                   {"color", label ? label->color : 0}};
        out << cell.dump() << (n < count ? ",\n" : "\n");
    }
    out << "]\n";
    return 0;
}

int RunCellTable(CBaseDraw& chart, const ChartOptions& options, std::ostream& out)
{
    CellTable::WriteCsv(out, chart, *FindChartKind(options.kind), CellTable::Headers::Keys);
    return 0;
}

int RunHit(CBaseDraw& chart, int x, int y, std::ostream& out)
{
    out << chart.HitTest(x, y) << '\n';
    return 0;
}

int RunTrace(CBaseDraw& chart, const ChartOptions& options, std::ostream& out, const ChartOverlay& overlay)
{
    const int side = static_cast<int>(std::lround(options.canvas * static_cast<double>(options.zoom)));
    return TracePicture([&](CDrawSurface& dc) { PaintChart(chart, dc, overlay); }, Size{side, side}, options.zoom, out);
}

int TracePicture(const std::function<void(CDrawSurface&)>& paint, Size pixels, double zoom, std::ostream& out)
{
    // Recorded over a real painter, so text boxes carry the metrics a render uses.
    QImage image(pixels.cx, pixels.cy, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterSurface inner(painter, zoom);
    CRecordingSurface dc(&inner);
    paint(dc);
    for (const SurfaceOp& op : dc.Ops())
        out << OpJson(op).dump() << '\n';
    return 0;
}

int RunDump(const std::string& chartFile, std::ostream& out, std::ostream& err)
{
    const Result<CChartSlots> charts = ChartFile::Load(chartFile);
    if (!charts.Ok())
        return Fail(err, charts.Message());
    out << ChartSetJson::ToText(charts.Value());
    return 0;
}

int RunWrite(const std::string& jsonFile, const std::string& chartFile, std::ostream& err)
{
    const Result<std::string> text = PlainFile::Read(jsonFile, kMaxJsonSize);
    if (!text.Ok())
        return Fail(err, text.Message());
    const Result<CChartSlots> charts = ChartSetJson::FromText(text.Value());
    if (!charts.Ok())
        return Fail(err, jsonFile + ": " + charts.Message());
    const Result<void> saved = ChartFile::Save(charts.Value(), chartFile);
    if (!saved.Ok())
        return Fail(err, saved.Message());
    if (!saved.Message().empty())
        err << "quadrix-cli: warning: " << saved.Message() << '\n';
    return 0;
}
