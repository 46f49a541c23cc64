// The Wheel chart.

#include "DrawWheel.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace {

using Kind = SurfaceOp::Kind;
const Rect kExample{340, 240, 660, 560}; // centre (500, 400), ring width 30 with two rings

std::unique_ptr<CDrawWheel> Make(int rings, Rect client = kExample) { return MakeChart<CDrawWheel>(rings, client); }

TEST(WheelGeometry, WorkedExampleWithItsFillsDraggedLineAndLabelColours)
{
    auto chart = Make(2);
    EXPECT_EQ(chart->ChartRect(), Rect({400, 300, 600, 500}));
    EXPECT_EQ(chart->GetOuterRadius(), 100.0f);
    const std::pair<int, Point> centres[] = {{1, {554, 392}}, {24, {554, 407}}, {25, {584, 388}}, {48, {584, 411}}};
    for (const auto& [n, centre] : centres)
        EXPECT_EQ(chart->GetCellCenter(n), centre) << n;
    const std::pair<Point, int> hits[] = {{{541, 399}, 1}, {{500, 350}, 7}, {{440, 400}, 13}, {{500, 450}, 19},
        {{580, 401}, 48}, {{500, 400}, 0}, {{539, 400}, 0}, // the hub
        {{600, 400}, 0}, {{595, 305}, 0}};                   // on and outside the outer circle
    for (const auto& [p, n] : hits)
        EXPECT_EQ(chart->HitTest(p.x, p.y), n) << p.x << ", " << p.y;
    EXPECT_EQ(chart->HitTest(std::numeric_limits<int>::max(), std::numeric_limits<int>::min()), 0);

    // Fills up to the last cell, and the dragged line over the zoom.
    for (int n : {0, 49})
        chart->m_FillCells[n] = Cell_Style{};
    chart->m_FillCells[48] = Cell_Style{1, Colors::Green, false};
    DragLine(*chart, 1, 30, 3);
    const CRecordingSurface dc = PaintOnce(*chart);
    EXPECT_TRUE(OpsOfKind(dc, Kind::FillEllipse).empty());
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).rect, Rect({564, 391, 604, 431})); // about (584, 411)
    EXPECT_EQ(OpsOfKind(dc, Kind::LineTo).at(24).pen.width, 5); // dragged after the spokes; 3 / 0.6f in floats

    // Label colours follow the cross in every ring. At 450 degrees the remainder
    // takes the sign of a negative dividend: sectors 0 to 5 match no colour.
    const std::tuple<float, std::set<int>, std::set<int>> rotations[] = {{0.0f, {0, 6, 12, 18}, {8, 16}},
        {30.0f, {2, 8, 14, 20}, {10, 18}}, {44.9f, {2, 8, 14, 20}, {10, 18}}, {450.0f, {6, 12, 18}, {14, 22}}};
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    for (const auto& [angle, red, blue] : rotations) {
        chart->m_fSquaresAngle = angle;
        const auto labels = OpsOfKind(PaintOnce(*chart), Kind::Text);
        ASSERT_EQ(labels.size(), 48u);
        for (int i = 0; i < 48; ++i) {
            const int j = i % 24;
            EXPECT_EQ(labels[i].text, std::to_string(i + 1));
            EXPECT_EQ(labels[i].color, red.count(j) ? Colors::Red : blue.count(j) ? Colors::Blue : Colors::Black)
                << angle << " degrees, sector " << j;
        }
        EXPECT_EQ(labels[5].rect.Center(), chart->GetCellCenter(6));
    }
}

TEST(WheelPaint, RingsAlternateFromWhiteOutsideGreySpokesCrossTheHubAndTheFontRounds)
{
    auto chart = Make(3, {0, 0, 1000, 560}); // centre (500, 280), ring width 60
    const CRecordingSurface dc = PaintOnce(*chart);
    const auto ellipses = OpsOfKind(dc, Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u);
    const Brush white{}, yellow = Brush::Solid(Colors::LightYellow);
    const Brush brushes[] = {white, yellow, white, white}; // the hub takes the innermost circle's brush
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ellipses[i].brush, brushes[i]) << i;
    EXPECT_EQ(ellipses[2].rect, Rect({400, 180, 600, 380}));
    EXPECT_EQ(ellipses[3].rect, Rect({460, 240, 540, 320}));
    const auto spokes = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(spokes.size(), 24u);
    EXPECT_EQ(spokes[0].from, Point({500, 280}));
    EXPECT_EQ(spokes[0].pen, (Pen{PenStyle::Solid, 0, Colors::Grey}));
    // pi = 3.1415926 leaves 0 and 90 degrees a hair short: one unit up, one unit left.
    EXPECT_EQ(spokes[0].to, Point({720, 279}));
    EXPECT_EQ(spokes[6].to, Point({499, 60}));
    EXPECT_EQ(dc.CurrentBrush(), white);

    // One ring: a yellow hub. The font rounds, and with every label off the
    // last colour goes on to the outer rings.
    chart = Make(1);
    chart->m_fZoom = 0.8f;
    const CRecordingSurface one = PaintOnce(*chart);
    EXPECT_EQ(OpsOfKind(one, Kind::Ellipse)[1].brush, yellow);
    EXPECT_EQ(OpsOfKind(one, Kind::Text)[0].font.height, 18); // 17.5 rounded
    chart->m_fZoom = 0.6f;
    chart->m_bShowPrice = false;
    chart->m_bShowAngleRing = true;
    for (const auto& [angle, colour] : {std::pair{0.0f, Colors::Black}, std::pair{345.0f, Colors::Red}}) {
        chart->m_fSquaresAngle = angle;
        const CRecordingSurface rings = PaintOnce(*chart);
        const auto texts = OpsOfKind(rings, Kind::Text);
        ASSERT_EQ(texts.size(), 36u); // the angle ring's figures only
        EXPECT_EQ(std::make_pair(texts[0].color, texts[0].font.height), std::make_pair(colour, 23)) << angle;
        EXPECT_EQ(OpsOfKind(rings, Kind::Ellipse).size(), 3u); // disc, hub and the angle ring
    }
}

} // namespace
