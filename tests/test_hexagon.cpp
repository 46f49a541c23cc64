// The Hexagon chart.

#include "DrawHexagon.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Kind = SurfaceOp::Kind;
const Rect kExample{280, 180, 520, 420}; // centre (400, 300), cell size 40 with three rings
const Rect kDesktop{50, 50, 1840, 1840}; // the view's chart rectangle on a 1920 x 1080 desktop

std::unique_ptr<CDrawHexagon> Make(int rings, Rect client = kExample) { return MakeChart<CDrawHexagon>(rings, client); }

TEST(HexagonGeometry, WorkedExampleAndTheFillsOfEightRings)
{
    auto chart = Make(3);
    EXPECT_EQ(chart->ChartRect(), Rect({290, 190, 510, 410}));
    EXPECT_EQ(chart->GetOuterRadius(), 110.0f);
    // 409, not 410: pi = 3.1415926 and the single-precision cosine of 300 degrees.
    const std::pair<int, Point> centres[]
        = {{1, {409, 282}}, {6, {420, 300}}, {7, {444, 273}}, {17, {445, 325}}, {18, {460, 300}}, {36, {500, 300}}};
    for (const auto& [n, centre] : centres)
        EXPECT_EQ(chart->GetCellCenter(n), centre) << n;
    const std::pair<Point, int> hits[] = {{{460, 299}, 18}, {{445, 325}, 17}, {{400, 240}, 9}, {{340, 300}, 12},
        {{520, 300}, 0}, {{400, 300}, 1}, // the centre
        {{400, 185}, 0},                  // inside the outer circle, beyond the edge
        {{435, 299}, 6}};                 // beyond a corner: the edge step stays on the ring
    for (const auto& [p, n] : hits)
        EXPECT_EQ(chart->HitTest(p.x, p.y), n) << p.x << ", " << p.y;

    // Fills cover the hexagon's own cells, 216 of them here, more than the
    // wheel's 24 a ring; the dragged line keeps its width.
    chart = Make(8, kDesktop);
    for (int n : {0, 200, 217})
        chart->m_FillCells[n] = Cell_Style{1, Colors::Green, true};
    chart->m_FillCells[216] = Cell_Style{1, Colors::Blue, false};
    DragLine(*chart, 2, 9, 3);
    const CRecordingSurface dc = PaintOnce(*chart);
    const auto circles = OpsOfKind(dc, Kind::FillEllipse);
    ASSERT_EQ(circles.size(), 1u);
    const Point c = chart->GetCellCenter(200);
    EXPECT_EQ(circles[0].rect, Rect({c.x - 20, c.y - 20, c.x + 20, c.y + 20}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).rect.Center(), chart->GetCellCenter(216));
    EXPECT_EQ(OpsOfKind(dc, Kind::LineTo)[0].pen.width, 3); // the dragged line, not divided by the zoom
}

TEST(HexagonLabels, RingsFromTheInsideOutCornersRedEdgeMiddlesBlueFontTruncated)
{
    auto chart = Make(2);
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    const CRecordingSurface dc = PaintOnce(*chart);
    std::string order; // each ring's labels (T) before its boundary (L)
    std::vector<SurfaceOp> labels;
    for (const SurfaceOp& op : dc.Ops()) {
        if (op.kind == Kind::Text)
            labels.push_back(op);
        if (op.kind == Kind::Text || op.kind == Kind::LineTo)
            order += op.kind == Kind::Text ? 'T' : 'L';
    }
    EXPECT_EQ(order, std::string(6, 'T') + std::string(6, 'L') + std::string(12, 'T') + std::string(6, 'L'));
    const int numbers[] = {6, 5, 4, 3, 2, 1, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7};
    for (size_t i = 0; i < labels.size(); ++i) {
        const int n = numbers[i];
        EXPECT_EQ(labels[i].text, std::to_string(n));
        const bool corner = n <= 6 || n % 2 == 0;
        EXPECT_EQ(labels[i].color, corner ? Colors::Red : Colors::Blue) << n;
        EXPECT_TRUE(!corner || labels[i].rect.Center() == chart->GetCellCenter(n)) << n;
    }
    chart->SetRings(3); // 35, after the red 36, is black again
    const SurfaceOp plain = OpsOfKind(PaintOnce(*chart), Kind::Text)[19];
    EXPECT_EQ(std::make_pair(plain.text, plain.color), std::make_pair(std::string("35"), Colors::Black));

    // The font truncates; with every label off the rings are still drawn.
    chart->m_fZoom = 0.8f;
    EXPECT_EQ(OpsOfKind(PaintOnce(*chart), Kind::Text)[0].font.height, 17);
    chart->m_fZoom = 0.6f;
    chart->m_bShowPrice = chart->m_bShowN = false;
    chart->m_bShowAngleRing = true;
    const CRecordingSurface rings = PaintOnce(*chart);
    EXPECT_EQ(chart->m_nCellSize, 23); // 140 / 6: the client less 50 on each side for the ring
    const auto texts = OpsOfKind(rings, Kind::Text);
    ASSERT_EQ(texts.size(), 36u); // the angle ring's figures only
    EXPECT_EQ(texts[0].font.height, 23);
    const auto lines = OpsOfKind(rings, Kind::LineTo);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const SurfaceOp& op) { return op.pen == Pen{}; }), 18);
    EXPECT_EQ(rings.CurrentFont(), Font{});
}

} // namespace
