#pragma once

#include "BaseDraw.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <iterator>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

// A 10 x 10 grid of 40-unit cells on (0, 0, 400, 400), numbered row by row
// from 1 at the top left: just enough geometry to exercise the base class.
class CGridChart : public CBaseDraw {
public:
    static constexpr int kCell = 40;
    static constexpr int kColumns = 10;

    CGridChart() { m_rcChart = {0, 0, kColumns * kCell, kColumns * kCell}; }

    Point GetCellCenter(int n) override
    {
        return {(n - 1) % kColumns * kCell + kCell / 2, (n - 1) / kColumns * kCell + kCell / 2};
    }
    int HitTest(int x, int y) override { return y / kCell * kColumns + x / kCell + 1; }
    float GetOuterRadius() override { return m_fOuterRadius; }
    Rect MarkBox(int n) override { return BoxAbout(n, kCell / 2, kCell / 2); }

    using CBaseDraw::DrawDraggedLine;

    float m_fOuterRadius = 250.0f;
};

// The logged operations of one kind, in order.
inline std::vector<SurfaceOp> OpsOfKind(const CRecordingSurface& dc, SurfaceOp::Kind kind)
{
    std::vector<SurfaceOp> out;
    std::copy_if(dc.Ops().begin(), dc.Ops().end(), std::back_inserter(out),
                 [kind](const SurfaceOp& op) { return op.kind == kind; });
    return out;
}

// Index of the first operation of that kind and pen colour, or -1.
inline int FirstIndex(const std::vector<SurfaceOp>& ops, SurfaceOp::Kind kind, std::optional<Color> pen = std::nullopt)
{
    for (size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == kind && (!pen || ops[i].pen.color == *pen))
            return static_cast<int>(i);
    return -1;
}

// A chart of that kind with rings, to be laid out in client.
template <class Chart>
std::unique_ptr<Chart> MakeChart(int rings, Rect client)
{
    auto chart = std::make_unique<Chart>();
    chart->SetRings(rings);
    chart->m_rcClient = client;
    return chart;
}

// A paint leaves the surface's selections as it found them.
inline void ExpectSurfaceRestored(const CRecordingSurface& dc)
{
    EXPECT_EQ(std::make_tuple(dc.CurrentPen(), dc.CurrentBrush(), dc.CurrentFont(), dc.BackgroundMode()),
        std::make_tuple(Pen{}, Brush{}, Font{}, BkMode::Opaque));
}

// A line being dragged with the line tool from cell to cell.
inline void DragLine(CBaseDraw& chart, int from, int to, int width = 1, Color color = 0)
{
    chart.m_bDrawingLine = 1;
    chart.m_nTool = MouseTool::Line;
    chart.m_nLineStartCell = from;
    chart.m_nLineEndCell = to;
    chart.m_nLineWidth = width;
    chart.m_crLineColor = color;
}

// One drawing pass of chart on a fresh recording surface.
inline CRecordingSurface PaintOnce(CBaseDraw& chart)
{
    CRecordingSurface dc;
    chart.Draw(dc);
    return dc;
}

// Gives chart rings laid out in client, without a paint.
inline void LayOut(CBaseDraw& chart, int rings, Rect client)
{
    chart.SetRings(rings);
    chart.m_rcClient = client;
    chart.UpdateLayout();
}

// One drawing pass of chart with rings laid out in client.
inline CRecordingSurface PaintWith(CBaseDraw& chart, int rings, Rect client)
{
    LayOut(chart, rings, client);
    return PaintOnce(chart);
}

// Local midnight of a calendar day, as a chart's start time.
inline std::int64_t LocalMidnight(int year, int month, int day)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}
