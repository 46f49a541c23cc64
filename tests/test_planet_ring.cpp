// The planet ring: ticks at the astrology report's longitudes on the angle
// ring's scale, symbols fanned apart where they crowd.

#include "AstrologyReport.h"
#include "BaseDraw.h"
#include "ChartKinds.h"
#include "CityList.h"
#include "PlanetRing.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct RingSetting {
    bool calendar, angle;
    float rotation;
    bool forward;
};

// A surface whose font has no astronomical symbols.
class CLatinSurface : public CRecordingSurface {
public:
    bool HasGlyphs(const std::string&) override { return false; }
};

// Draws chart with the planets on a canvas large enough that whole units
// hold a tick's angle to a few hundredths of a degree.
void DrawPlanets(CBaseDraw& chart, const RingSetting& s, const Longitudes& longitudes, CRecordingSurface& dc)
{
    chart.m_szCanvas = {9000, 9000};
    chart.m_rcClient = {0, 0, 9000, 9000};
    chart.SetRings(3);
    chart.m_bShowCalendarRing = s.calendar;
    chart.m_bShowAngleRing = s.angle;
    chart.m_fAngleRingAngle = s.rotation;
    chart.m_bAngleForward = s.forward;
    chart.m_Planets = longitudes;
    chart.m_PlanetCaption = "Planets 2024-03-20 12:00:00, Beijing";
    chart.Draw(dc);
}

// Each body's tick (its first line in its colour) lies on the ray of its
// longitude's figure, and its symbol is drawn in its colour.
void ExpectTicksExact(const CBaseDraw& chart, const CRecordingSurface& dc, const RingSetting& s,
                      const Longitudes& longitudes, const char* const* texts)
{
    const Point c = chart.m_rcChart.Center();
    for (int body = 0; body < kBodyCount; ++body) {
        SCOPED_TRACE(AstrologyReport::kPlanetNames[body]);
        const double figure = s.forward ? longitudes[body] : 360.0 - longitudes[body];
        const SurfaceOp *tick = nullptr, *symbol = nullptr;
        for (const SurfaceOp& op : dc.Ops()) {
            if (!tick && op.kind == SurfaceOp::Kind::LineTo && op.pen.color == PlanetRing::kColors[body])
                tick = &op;
            if (!symbol && op.kind == SurfaceOp::Kind::Text && op.text == texts[body])
                symbol = &op;
        }
        ASSERT_TRUE(tick && symbol);
        EXPECT_EQ(symbol->color, PlanetRing::kColors[body]);
        for (const Point p : {tick->from, tick->to}) {
            float distance = 0.0f;
            const double off = std::remainder(CBaseDraw::AngleFromCenter(p, c, distance) - figure - s.rotation, 360.0);
            EXPECT_LT(std::fabs(off), 0.05) << p.x << ", " << p.y;
        }
    }
}

} // namespace

TEST(PlanetRing, TicksStandAtTheReportLongitudesOnEveryKindWithAnOuterRing)
{
    const CityInfo beijing {"Beijing", "China", -480, 39.9, 116.4, "Asia/Shanghai"};
    const AstrologyReport::Sky sky = AstrologyReport::ComputeSky("2024-3-20 12:0:0", &beijing, Ephemeris());
    ASSERT_TRUE(sky.outcome.Ok()) << sky.outcome.message;
    CityInfo unnamed = beijing;
    unnamed.Name.clear();
    unnamed.Longitude = -116.4;
    EXPECT_EQ(AstrologyReport::ComputeSky("2024-03-20 12:00:00", &unnamed, Ephemeris()).caption,
              "Planets 2024-03-20 12:00:00, 39.90N 116.40W");
    // Beyond the angle ring's figures, on its circle, inside the calendar
    // ring; with no ring, on no scale: not at all.
    const RingSetting settings[] = {{true, true, 0.0f, true}, {false, true, 37.5f, false},
        {true, false, 90.0f, false}, {false, false, -200.25f, true}};
    for (const ChartKind& kind : ChartKinds()) {
        if (kind.code == kMasterChart)
            continue;
        for (const RingSetting& s : settings) {
            SCOPED_TRACE(kind.name + " rotation " + std::to_string(s.rotation));
            const std::unique_ptr<CBaseDraw> chart = kind.create();
            CRecordingSurface dc;
            DrawPlanets(*chart, s, sky.longitudes, dc);
            if (!s.calendar && !s.angle) {
                EXPECT_EQ(chart->m_rcPlanetMarks, (std::array<Rect, kBodyCount> {}));
                continue;
            }
            ExpectTicksExact(*chart, dc, s, sky.longitudes, PlanetRing::kSymbols);
            // The caption in the canvas's corner, which the round rings leave free.
            const auto caption = std::find_if(dc.Ops().begin(), dc.Ops().end(), [&](const SurfaceOp& op) {
                return op.kind == SurfaceOp::Kind::Text && op.text == chart->m_PlanetCaption;
            });
            ASSERT_NE(caption, dc.Ops().end());
            EXPECT_EQ(caption->rect.left, PlanetRing::kCaptionMargin);
            EXPECT_EQ(caption->rect.top, PlanetRing::kCaptionMargin);
        }
    }
}

TEST(PlanetRing, CrowdedSymbolsFanOutWhileTheirTicksStayExact)
{
    // Three marks at one angle spread about it by their spans; one far off stays.
    EXPECT_EQ(PlanetRing::FanOut({100.0, 100.0, 100.0, 250.0}, {4.0, 4.0, 4.0, 4.0}),
        (std::vector<double> {96.0, 100.0, 104.0, 250.0}));
    // A group across 0 degrees stays whole; spans past the circle share it.
    const std::vector<double> across = PlanetRing::FanOut({359.0, 1.0}, {4.0, 4.0});
    EXPECT_NEAR(std::remainder(across[1] - across[0], 360.0), 4.0, 1e-9);
    EXPECT_NEAR(std::remainder(across[0] - 358.0, 360.0), 0.0, 1e-9);
    const std::vector<double> full = PlanetRing::FanOut({0.0, 0.0, 0.0}, {200.0, 200.0, 200.0});
    EXPECT_NEAR(std::remainder(full[1] - full[0], 360.0), 120.0, 1e-9);

    // Ten bodies within two degrees, drawn with the two-letter texts: the
    // symbols' boxes do not overlap, the ticks are exact.
    Longitudes crowded;
    for (int body = 0; body < kBodyCount; ++body)
        crowded[body] = 181.0 + 0.2 * body;
    const RingSetting s {true, true, 10.0f, true};
    const std::unique_ptr<CBaseDraw> chart = FindChartKind("wheel")->create();
    CLatinSurface dc;
    DrawPlanets(*chart, s, crowded, dc);
    ExpectTicksExact(*chart, dc, s, crowded, PlanetRing::kFallbacks);
    for (int i = 0; i < kBodyCount; ++i)
        for (int j = i + 1; j < kBodyCount; ++j) {
            const Rect &a = chart->m_rcPlanetMarks[i], &b = chart->m_rcPlanetMarks[j];
            EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top) << i << j;
        }
}
