#include "CanvasFit.h"

#include "BaseDraw.h"

namespace {

bool LaysOutOn(CBaseDraw& chart, int side, int margin)
{
    chart.m_szCanvas = {side, side};
    chart.m_rcClient = {margin, margin, side - margin, side - margin};
    return chart.Layout();
}

} // namespace

// Whether the cells fit grows with the side: a bisection finds the first.
int CanvasFit::CanvasForCells(CBaseDraw& chart, int canvas, int margin)
{
    if (LaysOutOn(chart, canvas, margin) || !LaysOutOn(chart, kMaxCanvas, margin)) {
        LaysOutOn(chart, canvas, margin);
        return canvas;
    }
    int small = canvas;
    int large = kMaxCanvas;
    while (large - small > 1) {
        const int middle = small + (large - small) / 2;
        (LaysOutOn(chart, middle, margin) ? large : small) = middle;
    }
    LaysOutOn(chart, large, margin);
    return large;
}
