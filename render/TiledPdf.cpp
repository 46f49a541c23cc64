#include "TiledPdf.h"

#include "PageGrid.h"
#include "PainterSurface.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <utility>

namespace {

// Fine enough that the chart's whole-pixel geometry lands within a hair of
// where the scale puts it.
constexpr int kDotsPerInch = 600;
constexpr double kCropGapMm = 2;
constexpr double kCropLengthMm = 5;
constexpr double kCrossArmMm = 3;
constexpr double kMarkPenMm = 0.15;
constexpr double kLabelPoints = 7;

double Dots(double mm) { return mm * kDotsPerInch / 25.4; }

// The printable part of the page, where the tile goes, in dots.
QRectF TileArea(const Sheet& sheet)
{
    return {Dots(sheet.marginMm), Dots(sheet.marginMm), Dots(sheet.paper.widthMm - 2 * sheet.marginMm),
            Dots(sheet.paper.heightMm - 2 * sheet.marginMm)};
}

// Short lines in the margin continuing the tile's edges at each corner, so
// the page can be trimmed to its tile.
void DrawCropMarks(QPainter& painter, const QRectF& area, double marginMm)
{
    const double length = std::min(kCropLengthMm, marginMm - kCropGapMm);
    if (length <= 0)
        return;
    const double gap = Dots(kCropGapMm);
    const double reach = gap + Dots(length);
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
void DrawCross(QPainter& painter, QPointF centre)
{
    const double arm = Dots(kCrossArmMm);
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    painter.drawEllipse(centre, arm / 2, arm / 2);
}

// On each edge that meets a neighbour: a dashed line where the strip the two
// pages share begins, and a cross at the middle of the strip, which falls on
// the same point of the chart on both pages.
void DrawOverlapMarks(QPainter& painter, const QRectF& area, const CPageGrid& grid, const PageTile& tile)
{
    const double strip = Dots(grid.GetSheet().overlapMm);
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
        DrawCross(painter, edge.cross);
    }
}

// "row r, column c of R × C" in the margin below the tile, clear of the
// crop marks.
void DrawPageLabel(QPainter& painter, const QRectF& area, const CPageGrid& grid, const PageTile& tile)
{
    QFont font = painter.font();
    font.setPointSizeF(kLabelPoints);
    painter.setFont(font);
    const QString label = QStringLiteral("row %1, column %2 of %3 \u00d7 %4")
                              .arg(tile.row + 1)
                              .arg(tile.column + 1)
                              .arg(grid.Rows())
                              .arg(grid.Columns());
    const QRectF room(area.left() + Dots(kCropGapMm + kCropLengthMm + 2), area.bottom() + Dots(1),
                      area.width() / 2, Dots(grid.GetSheet().marginMm));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop, label);
}

// The tile's part of the picture, clipped to the tile; text outside it is
// left out rather than hidden, so that a page holds only its own part.
PaintOutcome PaintTile(QPainter& painter, const QRectF& area, const Picture& picture, const PageTile& tile, double zoom)
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

PaintOutcome WritePages(QIODevice& file, const Picture& picture, const CPageGrid& grid)
{
    const Sheet& sheet = grid.GetSheet();
    QPdfWriter pdf(&file);
    pdf.setResolution(kDotsPerInch);
    pdf.setPageSize(QPageSize(QSizeF(sheet.paper.widthMm, sheet.paper.heightMm), QPageSize::Millimeter, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(picture.title));
    QPainter painter;
    if (!painter.begin(&pdf))
        return PaintOutcome::Failed;
    const QRectF area = TileArea(sheet);
    const double zoom = Dots(grid.MmPerUnit());
    PaintOutcome painted = PaintOutcome::Ok;
    for (int row = 0; row < grid.Rows() && painted == PaintOutcome::Ok; ++row) {
        for (int column = 0; column < grid.Columns() && painted == PaintOutcome::Ok; ++column) {
            if ((row > 0 || column > 0) && !pdf.newPage())
                return PaintOutcome::Failed;
            const PageTile tile = grid.Tile(row, column);
            painted = PaintTile(painter, area, picture, tile, zoom);
            painter.setPen(QPen(Qt::black, Dots(kMarkPenMm)));
            painter.setBrush(Qt::NoBrush);
            DrawCropMarks(painter, area, sheet.marginMm);
            DrawOverlapMarks(painter, area, grid, tile);
            DrawPageLabel(painter, area, grid, tile);
        }
    }
    if (!painter.end())
        return PaintOutcome::Failed;
    return painted;
}

} // namespace

bool ExportTiledPdf(const Picture& picture, const CPageGrid& grid, const std::string& path, std::string& error)
{
    return WritePictureFile(path, "pdf", [&](QIODevice& file) { return WritePages(file, picture, grid); }, error);
}
