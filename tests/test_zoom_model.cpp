// Zoom arithmetic: level lists, clamping, stepping, Ctrl+wheel totals, the
// thousandths mapping both ways, centring, scroll steps, zooming about a
// point, the window and page fits.

#include "ZoomModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// The chart window's 24 levels.
const std::vector<float> kViewLevels = {0.2f, 0.25f, 0.33f, 0.4f, 0.5f, 0.618f, 0.75f, 0.8f,
                                        1.0f, 1.1f,  1.25f, 1.4f, 1.5f, 1.65f,  1.8f,  2.0f,
                                        2.2f, 2.5f,  2.8f,  3.0f, 3.3f, 3.6f,   4.0f,  8.0f};

// Levels, clamping, stepping past a level and the wheel's total, on one model.
TEST(ZoomLevels, AcceptedListsClampingStepsAndTheWheelTotalKeptWhileAZoomIsRefused)
{
    CZoomModel model;
    EXPECT_EQ(model.LevelIndex(), 3); // in the built-in 1/3 ... 3
    ASSERT_TRUE(model.SetLevels(kViewLevels));
    EXPECT_EQ(model.LevelIndex(), 8);
    // Empty, not a number, out of range, not strictly ascending: the levels stay.
    for (const std::vector<float>& refused : {std::vector<float>{}, {0.5f, std::nanf("")}, {0.01f, 1.0f},
                                              {1.0f, 30.0f}, {1.0f, 1.0f}, {2.0f, 1.0f}})
        EXPECT_FALSE(model.SetLevels(refused));
    EXPECT_EQ(model.Levels().size(), 24u);
    EXPECT_TRUE(model.LevelAbove() == 9 && model.LevelBelow() == 7);
    ASSERT_TRUE(model.MoveToLevel(9));
    EXPECT_TRUE(model.Zoom() == 1.1f && model.LevelIndex() == 9);
    EXPECT_FALSE(model.MoveToLevel(24));
    model.SetZoom(0.2f);
    EXPECT_EQ(model.LevelBelow(), -1);
    model.SetZoom(15.0f);
    EXPECT_FALSE(model.CanZoomIn());
    EXPECT_EQ(model.LevelBelow(), 23);

    model.SetZoom(8.0f);
    EXPECT_EQ(model.AddWheel(120), CZoomModel::WheelStep::ZoomIn);
    EXPECT_EQ(model.WheelTotal(), 120);
    EXPECT_EQ(model.AddWheel(-60), CZoomModel::WheelStep::None);
    EXPECT_EQ(model.AddWheel(-180), CZoomModel::WheelStep::ZoomOut);
    model.SetZoom(8.0f);
    EXPECT_EQ(model.WheelTotal(), 0);

    EXPECT_EQ(model.SetZoom(25.0f), 8.0f); // clamped, the previous factor returned
    EXPECT_EQ(model.Zoom(), 20.0f);
    EXPECT_EQ(model.SetZoom(0.01f), 20.0f);
    EXPECT_EQ(model.Zoom(), 0.05f);
    model.SetZoom(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(model.Zoom(), 0.05f);
    model.SetZoom(1.0f);
    ASSERT_TRUE(model.SetLevels({0.05f, 20.0f}));
    EXPECT_EQ(model.LevelIndex(), -1);
}

// The extent is the factor in whole thousandths (0.618 and 2.2 would lose one
// in double precision). Enlarged, each pixel has one unit; reduced, it shows
// the last of several.
TEST(Mapping, EveryPixelMapsToTheChartUnitDrawnThereAtWholeThousandths)
{
    const std::pair<float, int> factors[] = {{0.05f, 50}, {0.2f, 200}, {0.33f, 330}, {1.0f / 3.0f, 333},
        {0.6f, 600}, {0.618f, 618}, {1.0f, 1000}, {1.65f, 1650}, {2.2f, 2200}, {3.3f, 3300}, {8.0f, 8000}};
    for (const auto& [zoom, extent] : factors) {
        CZoomModel model;
        model.SetZoom(zoom);
        EXPECT_EQ(model.ViewportExtent(), extent) << zoom;
        for (int pixel = -300; pixel <= 300; ++pixel) {
            const int unit = model.ToChart(pixel);
            ASSERT_TRUE(model.ToWindow(unit) <= pixel && model.ToWindow(unit + 1) > pixel) << zoom << " " << pixel;
        }
    }
    // A small chart is centred, a large one scrolled.
    EXPECT_EQ(CZoomModel::AxisOrigin(800, 378, 0), 211);
    EXPECT_EQ(CZoomModel::AxisOrigin(801, 378, 5), 211);
    EXPECT_EQ(CZoomModel::AxisOrigin(800, 800, 0), 0);
    EXPECT_EQ(CZoomModel::AxisOrigin(800, 1134, 120), -120);

    // A page is a tenth of the chart and a line a tenth of a page.
    CZoomModel model;
    model.SetZoom(0.6f);
    const Size page = model.PageStep({0, 0, 1890, 1890}), line = model.LineStep({-90, 0, 1800, 945});
    EXPECT_EQ(std::pair(page.cx, page.cy), std::pair(113, 113)); // 1134 pixels
    EXPECT_EQ(std::pair(line.cx, line.cy), std::pair(11, 5));    // 567 pixels, page 56
}

// The unit under the pointer stays there, as far as the scroll range allows,
// also where the chart area reaches left of chart point 0.
TEST(ZoomAbout, ThePointUnderThePointerStaysWithinTheScrollRange)
{
    const struct {
        float from, to;
        int scroll, pixel, expected; // the scroll, or -1: the unit stays (1890 units in 400 pixels)
        int low = 0;                 // where the area starts
    } rows[] = {{1.0f, 1.1f, 300, 137, -1}, {1.1f, 1.0f, 300, 137, -1}, {0.618f, 2.2f, 500, 399, -1},
        {3.3f, 0.75f, 4000, 0, -1}, {1.0f, 0.2f, 300, 137, 0}, // 378 pixels fit: no scrolling
        {1.0f, 0.8f, 0, 300, 0}, {2.0f, 1.0f, 3380, 0, 1490}, // clamped at either end
        {0.618f, 2.2f, 500, 399, -1, -300}, {2.0f, 1.0f, 4380, 0, 1790, -300}};
    for (const auto& row : rows) {
        CZoomModel model;
        model.SetZoom(row.from);
        const auto under = [&](int scroll) { return model.ToChart(row.pixel + scroll + model.ToWindow(row.low)); };
        const int unit = under(row.scroll);
        model.SetZoom(row.to);
        const int scroll = model.ScrollToPlace(unit, row.pixel, 400, row.low, 1890);
        EXPECT_EQ(row.expected < 0 ? under(scroll) : scroll, row.expected < 0 ? unit : row.expected)
            << row.from << " to " << row.to << " from " << row.low;
    }
}

// The window fit is the last thousandth at which the chart's rounded pixels
// fit, empty sizes keep the factor; the page fit fills the page's narrower side.
TEST(Fits, TheLargestFactorWithinTheLimitsAtWhichTheChartFitsAndTheRegionCentredOnThePage)
{
    const struct {
        Rect area;
        Size client;
        float zoom;
    } rows[] = {{{0, 0, 1890, 1890}, {800, 600}, 0.317f}, {{0, 0, 1890, 945}, {800, 600}, 0.423f},
        {{-300, -300, 2190, 2190}, {800, 600}, 0.241f}, {{0, 0, 3, 3}, {1000, 1000}, 20.0f},
        {{0, 0, 100000, 10}, {100, 100}, 0.05f}, {{0, 0, 0, 1890}, {800, 600}, 1.5f}, {{0, 0, 1890, 1890}, {0, 600}, 1.5f}};
    for (const auto& row : rows) {
        CZoomModel model;
        model.SetZoom(1.5f);
        model.SetZoom(model.FitZoom(row.area, row.client));
        EXPECT_EQ(model.Zoom(), row.zoom) << row.area.Width() << " in " << row.client.cx;
    }
    const CZoomModel::PageFit portrait = CZoomModel::FitToPage({0, 0, 1890, 1890}, {4000, 6000});
    EXPECT_DOUBLE_EQ(portrait.scale, 4000.0 / 1890);
    EXPECT_EQ(portrait.offset, (Point{0, 1000}));
    // A region reaching left of and above the canvas moves chart point (0, 0) in.
    const CZoomModel::PageFit beyond = CZoomModel::FitToPage({-100, -50, 1900, 1950}, {1000, 2000});
    EXPECT_DOUBLE_EQ(beyond.scale, 0.5);
    EXPECT_EQ(beyond.offset, (Point{50, 525})); // (2000 - 1000) / 2 + 25
    EXPECT_DOUBLE_EQ(CZoomModel::FitToPage({5, 5, 5, 9}, {3000, 1000}).scale, 1.0);
}

} // namespace
