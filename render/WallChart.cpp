#include "WallChart.h"

#include "PainterSurface.h"
#include "UiText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kCropGapMm = 2;
constexpr double kCropLengthMm = 5;
constexpr double kCrossArmMm = 3;
constexpr double kMarkPenMm = 0.15;
constexpr double kLabelPoints = 7;
// Between the page's label and the caption.
constexpr double kCaptionGapMm = 4;
// The page grid over the overview: its colour and its largest figures.
constexpr QRgb kOverviewGridColor = 0x005ac8;
constexpr double kOverviewFigurePoints = 24;
// Labels smaller in print cannot be read: the overview leaves them out, which
// spares a page as heavy as the whole chart on one.
constexpr double kOverviewSmallestLabelPoints = 3;

// Millimetres in device units.
class Scale {
public:
    explicit Scale(double dotsPerMm) : m_dotsPerMm(dotsPerMm) {}
    double operator()(double mm) const { return mm * m_dotsPerMm; }

private:
    double m_dotsPerMm;
};

// The printable part of the page, where the tile goes.
QRectF TileArea(const Sheet& sheet, const Scale& dots)
{
    return {dots(sheet.marginMm), dots(sheet.marginMm), dots(sheet.paper.widthMm - 2 * sheet.marginMm),
            dots(sheet.paper.heightMm - 2 * sheet.marginMm)};
}

// Short lines in the margin continuing the tile's edges at each corner, so
// the page can be trimmed to its tile.
void DrawCropMarks(QPainter& painter, const QRectF& area, double marginMm, const Scale& dots)
{
    const double length = std::min(kCropLengthMm, marginMm - kCropGapMm);
    if (length <= 0)
        return;
    const double gap = dots(kCropGapMm);
    const double reach = gap + dots(length);
    // Each side's edge with the way out of the tile across it.
    const std::pair<double, double> across[] = {{area.left(), -1}, {area.right(), 1}};
    const std::pair<double, double> down[] = {{area.top(), -1}, {area.bottom(), 1}};
    for (const auto& [x, outward] : across) {
        for (const auto& [y, downward] : down) {
            painter.drawLine(QPointF(x + outward * gap, y), QPointF(x + outward * reach, y));
            painter.drawLine(QPointF(x, y + downward * gap), QPointF(x, y + downward * reach));
        }
    }
}

// A registration cross in a circle at centre.
void DrawCross(QPainter& painter, QPointF centre, const Scale& dots)
{
    const double arm = dots(kCrossArmMm);
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    painter.drawEllipse(centre, arm / 2, arm / 2);
}

// On each edge that meets a neighbour: a dashed line where the strip the two
// pages share begins, and a cross at the middle of the strip, which falls on
// the same point of the chart on both pages.
void DrawOverlapMarks(QPainter& painter, const QRectF& area, const CPageGrid& grid, const PageTile& tile,
                      const Scale& dots)
{
    const double strip = dots(grid.GetSheet().overlapMm);
    const QPointF middle = area.center();
    struct Edge {
        bool neighbour;
        QLineF stripLine;
        QPointF cross;
    };
    const Edge edges[] = {
        {tile.column > 0, QLineF(area.left() + strip, area.top(), area.left() + strip, area.bottom()),
         QPointF(area.left() + strip / 2, middle.y())},
        {tile.column + 1 < grid.Columns(), QLineF(area.right() - strip, area.top(), area.right() - strip, area.bottom()),
         QPointF(area.right() - strip / 2, middle.y())},
        {tile.row > 0, QLineF(area.left(), area.top() + strip, area.right(), area.top() + strip),
         QPointF(middle.x(), area.top() + strip / 2)},
        {tile.row + 1 < grid.Rows(), QLineF(area.left(), area.bottom() - strip, area.right(), area.bottom() - strip),
         QPointF(middle.x(), area.bottom() - strip / 2)},
    };
    QPen dashed = painter.pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setColor(Qt::gray);
    for (const Edge& edge : edges) {
        if (!edge.neighbour)
            continue;
        painter.save();
        painter.setPen(dashed);
        painter.drawLine(edge.stripLine);
        painter.restore();
        DrawCross(painter, edge.cross, dots);
    }
}

// The caption's lines packed into rows, as many to a row as fit: the first
// row firstWidth wide, the others width; what the last of rows cannot take
// is joined to it. Each row is elided to its width.
std::vector<QString> CaptionRows(const std::vector<std::string>& lines, const QFontMetricsF& metrics,
                                 double firstWidth, double width, std::size_t rows)
{
    const QString separator = QStringLiteral("  \u00b7  ");
    const auto widthOf = [&](std::size_t row) { return row == 0 ? firstWidth : width; };
    std::vector<QString> packed;
    for (const std::string& line : lines) {
        const QString piece = QString::fromStdString(line);
        if (packed.empty()) {
            packed.push_back(piece);
            continue;
        }
        const QString joined = packed.back() + separator + piece;
        if (packed.size() >= rows || metrics.horizontalAdvance(joined) <= widthOf(packed.size() - 1))
            packed.back() = joined;
        else
            packed.push_back(piece);
    }
    for (std::size_t row = 0; row < packed.size(); ++row)
        packed[row] = metrics.elidedText(packed[row], Qt::ElideRight, widthOf(row));
    return packed;
}

// In the margin below the tile, clear of the crop marks and at 7 pt: which
// page it is, then the caption to its right and on the rows below.
void DrawFooter(QPainter& painter, const QRectF& area, double marginMm, const QString& label,
                const std::vector<std::string>& caption, const Scale& dots)
{
    QFont font = painter.font();
    font.setPointSizeF(kLabelPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double inset = dots(kCropGapMm + kCropLengthMm + 2);
    const QRectF room(area.left() + inset, area.bottom() + dots(1), area.width() - 2 * inset, dots(marginMm - 1));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop, label);
    const double captionLeft = metrics.horizontalAdvance(label) + dots(kCaptionGapMm);
    const auto rows = static_cast<std::size_t>(std::max(1.0, std::floor(room.height() / metrics.lineSpacing())));
    const std::vector<QString> lines = CaptionRows(caption, metrics, room.width() - captionLeft, room.width(), rows);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const double left = row == 0 ? captionLeft : 0;
        painter.drawText(room.adjusted(left, static_cast<double>(row) * metrics.lineSpacing(), 0, 0),
                         Qt::AlignLeft | Qt::AlignTop, lines[row]);
    }
}

// "row r, column c of R × C", in the interface's language.
QString PageLabel(const CPageGrid& grid, const PageTile& tile)
{
    return QString::fromStdString(FillIn(UiText("WallChart", "第 %1 行，第 %2 列，共 %3 × %4"),
                                         {std::to_string(tile.row + 1), std::to_string(tile.column + 1),
                                          std::to_string(grid.Rows()), std::to_string(grid.Columns())}));
}

// The picture at zoom with chart point (0, 0) at origin, clipped to area;
// what lies wholly outside it is left out rather than hidden, so that a page
// holds only its own part. Labels under smallestLabel device units high are
// left out too.
PaintOutcome PaintPicture(QPainter& painter, const QRectF& area, const Picture& picture, QPointF origin, double zoom,
                          double smallestLabel = 0)
{
    painter.save();
    painter.setClipRect(area);
    painter.translate(origin);
    bool tooLarge = false;
    {
        CPainterSurface dc(painter, zoom);
        dc.LimitItems(kMaxVectorItems);
        dc.LeaveOutHandles();
        dc.ShowOnly(area);
        dc.HideLabelsUnder(smallestLabel);
        picture.paint(dc);
        tooLarge = dc.LeftItemsOut();
    }
    painter.restore();
    return tooLarge ? PaintOutcome::TooLarge : PaintOutcome::Ok;
}

PaintOutcome PaintTilePage(QPainter& painter, const QRectF& area, const WallChart& chart, int index, const Scale& dots)
{
    const CPageGrid& grid = chart.grid;
    const PageTile tile = grid.Tile(index / grid.Columns(), index % grid.Columns());
    const double zoom = dots(grid.MmPerUnit());
    const PaintOutcome painted =
        PaintPicture(painter, area, chart.picture, area.topLeft() - QPointF(tile.left, tile.top) * zoom, zoom);
    painter.setPen(QPen(Qt::black, dots(kMarkPenMm)));
    painter.setBrush(Qt::NoBrush);
    DrawCropMarks(painter, area, grid.GetSheet().marginMm, dots);
    DrawOverlapMarks(painter, area, grid, tile, dots);
    DrawFooter(painter, area, grid.GetSheet().marginMm, PageLabel(grid, tile), chart.caption, dots);
    return painted;
}

// Each page's rectangle over the overview, thin, with its "row,column" in
// the middle of the part it alone carries.
void DrawOverviewGrid(QPainter& painter, const CPageGrid& grid, QPointF origin, double zoom, double dotsPerPoint)
{
    const auto place = [&](double x, double y) { return origin + QPointF(x, y) * zoom; };
    const PageTile first = grid.Tile(0, 0);
    // A page's own part: its extent less the strip it shares with the next.
    const double overlap = grid.GetSheet().overlapMm / grid.MmPerUnit();
    const QSizeF own((first.right - first.left - overlap) * zoom, (first.bottom - first.top - overlap) * zoom);
    QFont font = painter.font();
    font.setPointSizeF(std::clamp(std::min(own.width(), own.height()) / 3 / dotsPerPoint, 1.0, kOverviewFigurePoints));
    painter.setFont(font);
    painter.setPen(QPen(QColor(kOverviewGridColor), dotsPerPoint / 2));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const PageTile tile = grid.Tile(row, column);
            painter.drawRect(QRectF(place(tile.left, tile.top), place(tile.right, tile.bottom)));
            // On white, so that it reads over the chart.
            const QString figure = QStringLiteral("%1,%2").arg(row + 1).arg(column + 1);
            const QRectF ownPart(place(tile.left, tile.top), own);
            const QRectF box = painter.boundingRect(ownPart, Qt::AlignCenter, figure);
            painter.fillRect(box.adjusted(-dotsPerPoint, 0, dotsPerPoint, 0), Qt::white);
            painter.drawText(ownPart, Qt::AlignCenter, figure);
        }
    }
}

// The whole picture small, fitted to the tile area and centred in it, with
// the page grid over it; the caption below.
PaintOutcome PaintOverviewPage(QPainter& painter, const QRectF& area, const WallChart& chart, const Scale& dots)
{
    const CPageGrid& grid = chart.grid;
    const PageTile first = grid.Tile(0, 0);
    const PageTile last = grid.Tile(grid.Rows() - 1, grid.Columns() - 1);
    const QSizeF extent(last.right - first.left, last.bottom - first.top);
    const double zoom = std::min(area.width() / extent.width(), area.height() / extent.height());
    const QPointF corner = area.center() - QPointF(extent.width(), extent.height()) * zoom / 2;
    const QPointF origin = corner - QPointF(first.left, first.top) * zoom;
    const double dotsPerPoint = dots(CPageGrid::kMmPerPoint);
    const PaintOutcome painted =
        PaintPicture(painter, area, chart.picture, origin, zoom, dotsPerPoint * kOverviewSmallestLabelPoints);
    DrawOverviewGrid(painter, grid, origin, zoom, dotsPerPoint);
    painter.setPen(QPen(Qt::black, dots(kMarkPenMm)));
    const QString label = QString::fromStdString(FillIn(UiText("WallChart", "全图，共 %1 × %2 页"),
                                                        {std::to_string(grid.Rows()), std::to_string(grid.Columns())}));
    DrawFooter(painter, area, grid.GetSheet().marginMm, label, chart.caption, dots);
    return painted;
}

} // namespace

int WallChartPageCount(const WallChart& chart)
{
    return chart.grid.Rows() * chart.grid.Columns() + (chart.overview ? 1 : 0);
}

PaintOutcome PaintWallChartPage(QPainter& painter, double dotsPerMm, const WallChart& chart, int page)
{
    const Scale dots(dotsPerMm);
    const QRectF area = TileArea(chart.grid.GetSheet(), dots);
    if (chart.overview && page == 0)
        return PaintOverviewPage(painter, area, chart, dots);
    return PaintTilePage(painter, area, chart, chart.overview ? page - 1 : page, dots);
}
