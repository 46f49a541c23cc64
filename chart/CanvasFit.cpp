#include "CanvasFit.h"

#include "BaseDraw.h"

void CanvasFit::SetCanvas(CBaseDraw& chart, int side, int margin)
{
    chart.m_szCanvas = {side, side};
    chart.m_rcClient = {margin, margin, side - margin, side - margin};
}

// Whether the cells fit grows with the side: a bisection finds the first.
std::optional<int> CanvasFit::SmallestCanvas(CBaseDraw& chart, int smallest, int largest, int margin)
{
    const Size savedCanvas = chart.m_szCanvas;
    const Rect savedClient = chart.m_rcClient;
    const auto fitsOn = [&](int side) {
        SetCanvas(chart, side, margin);
        return chart.CellsFit();
    };
    std::optional<int> found;
    if (fitsOn(largest)) {
        while (smallest < largest) {
            const int middle = smallest + (largest - smallest) / 2;
            if (fitsOn(middle))
                largest = middle;
            else
                smallest = middle + 1;
        }
        found = smallest;
    }
    chart.m_szCanvas = savedCanvas;
    chart.m_rcClient = savedClient;
    return found;
}
