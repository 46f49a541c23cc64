#include "WallChart.h"

#include "PainterSurface.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

constexpr double kCropGapMm = 2;
constexpr double kCropLengthMm = 5;
constexpr double kCrossArmMm = 3;
constexpr double kMarkPenMm = 0.15;
constexpr double kLabelPoints = 7;

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

// "row r, column c of R × C" in the margin below the tile, clear of the
// crop marks.
void DrawPageLabel(QPainter& painter, const QRectF& area, const CPageGrid& grid, const PageTile& tile,
                   const Scale& dots)
{
    QFont font = painter.font();
    font.setPointSizeF(kLabelPoints);
    painter.setFont(font);
    const QString label = QStringLiteral("row %1, column %2 of %3 \u00d7 %4")
                              .arg(tile.row + 1)
                              .arg(tile.column + 1)
                              .arg(grid.Rows())
                              .arg(grid.Columns());
    const QRectF room(area.left() + dots(kCropGapMm + kCropLengthMm + 2), area.bottom() + dots(1), area.width() / 2,
                      dots(grid.GetSheet().marginMm));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop, label);
}

// The tile's part of the picture, clipped to the tile; text outside it is
// left out rather than hidden, so that a page holds only its own part.
PaintOutcome PaintTile(QPainter& painter, const QRectF& area, const Picture& picture, const PageTile& tile,
                       double zoom)
{
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.left() - tile.left * zoom, area.top() - tile.top * zoom);
    bool tooLarge = false;
    {
        CPainterSurface dc(painter, zoom);
        dc.LimitItems(kMaxVectorItems);
        dc.LeaveOutHandles();
        dc.ShowOnly(area);
        picture.paint(dc);
        tooLarge = dc.LeftItemsOut();
    }
    painter.restore();
    return tooLarge ? PaintOutcome::TooLarge : PaintOutcome::Ok;
}

} // namespace

int WallChartPageCount(const WallChart& chart)
{
    return chart.grid.Rows() * chart.grid.Columns() + (chart.overview ? 1 : 0);
}

PaintOutcome PaintWallChartPage(QPainter& painter, double dotsPerMm, const WallChart& chart, int page)
{
    const Scale dots(dotsPerMm);
    const CPageGrid& grid = chart.grid;
    const QRectF area = TileArea(grid.GetSheet(), dots);
    const PageTile tile = grid.Tile(page / grid.Columns(), page % grid.Columns());
    const PaintOutcome painted = PaintTile(painter, area, chart.picture, tile, dots(grid.MmPerUnit()));
    painter.setPen(QPen(Qt::black, dots(kMarkPenMm)));
    painter.setBrush(Qt::NoBrush);
    DrawCropMarks(painter, area, grid.GetSheet().marginMm, dots);
    DrawOverlapMarks(painter, area, grid, tile, dots);
    DrawPageLabel(painter, area, grid, tile, dots);
    return painted;
}
