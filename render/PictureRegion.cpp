#include "PictureRegion.h"

#include "BoundsSurface.h"
#include "ChartExport.h"
#include "PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

Rect PictureRegion(CBaseDraw& chart, Size canvas, double scale)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    CPainterSurface measure(painter, scale);
    CBoundsSurface bounds(measure, scale);
    PaintChart(chart, bounds);
    const Rect drawn = bounds.Bounds();
    const Rect region{0, 0, canvas.cx, canvas.cy};
    if (drawn.IsEmpty())
        return region;
    return {std::max(std::min(region.left, drawn.left), -canvas.cx),
            std::max(std::min(region.top, drawn.top), -canvas.cy),
            std::min(std::max(region.right, drawn.right), 2 * canvas.cx),
            std::min(std::max(region.bottom, drawn.bottom), 2 * canvas.cy)};
}
