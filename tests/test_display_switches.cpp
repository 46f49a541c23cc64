// The rules of a chart's display switches as the window's commands apply
// them, and whether each change asks for a repaint.

#include "DisplaySwitches.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

// Price, time, N and the time standard.
using Labels = std::array<bool, 4>;

TEST(DisplaySwitches, TheLabelSwitchesAreNeverAllOff)
{
    using S = DisplaySwitch;
    struct Row {
        const char* what;
        Labels before;
        S flip;
        bool changed;
        Labels after;
    } const rows[] = {
        {"the only label", {true, false, false, false}, S::Price, false, {true, false, false, false}},
        {"a second label", {true, false, false, false}, S::Time, true, {true, true, false, false}},
        {"one of two", {true, true, false, false}, S::Price, true, {false, true, false, false}},
        {"only N", {false, false, true, false}, S::N, false, {false, false, true, false}},
        {"standard on: N alone", {true, true, false, false}, S::TimeStandard, true, {false, false, true, true}},
        {"N beside the standard", {false, false, true, true}, S::N, true, {false, false, false, true}},
        {"standard off, nothing left", {false, false, false, true}, S::TimeStandard, true, {true, false, false, false}},
        {"standard off, N left", {false, false, true, true}, S::TimeStandard, true, {false, false, true, false}},
        {"all off in a file", {false, false, false, false}, S::Time, false, {false, false, false, false}},
    };
    for (const Row& row : rows) {
        CGridChart chart;
        std::tie(chart.m_bShowPrice, chart.m_bShowTime, chart.m_bShowN, chart.m_bTimeStandard)
            = std::tuple_cat(row.before);
        EXPECT_EQ(DisplaySwitches::Flip(chart, row.flip), row.changed) << row.what;
        EXPECT_EQ((Labels {chart.m_bShowPrice, chart.m_bShowTime, chart.m_bShowN, chart.m_bTimeStandard}), row.after)
            << row.what;
    }
}

TEST(DisplaySwitches, ChoicesChosenAgainAreUndoneAndRepaintOnlyWhatShows)
{
    CGridChart chart;
    EXPECT_FALSE(DisplaySwitches::ChoosePeriod(chart, Period::Day)); // already set
    EXPECT_FALSE(DisplaySwitches::ChoosePeriod(chart, Period::Week)); // time hidden: stored, nothing to repaint
    EXPECT_EQ(chart.m_nPeriod, Period::Week);
    chart.m_bShowTime = true;
    EXPECT_TRUE(DisplaySwitches::ChoosePeriod(chart, Period::Month));

    chart.m_nNaturalDecimals = 2; // as for start 100, step 0.25
    DisplaySwitches::ChooseDecimals(chart, 3);
    EXPECT_FALSE(DisplaySwitches::ChooseDecimals(chart, 3)); // two decimals either way
    EXPECT_EQ(chart.m_nDecimals, -1);
    EXPECT_TRUE(DisplaySwitches::ChooseDecimals(chart, 1));
    chart.m_bShowPrice = false;
    EXPECT_FALSE(DisplaySwitches::ChooseDecimals(chart, 5));
    EXPECT_EQ(chart.m_nDecimals, 5);

    DisplaySwitches::ChooseTool(chart, MouseTool::Circle);
    DisplaySwitches::ChooseTool(chart, MouseTool::Line);
    EXPECT_EQ(chart.m_nTool, MouseTool::Line);
    DisplaySwitches::ChooseTool(chart, MouseTool::Line);
    EXPECT_EQ(chart.m_nTool, MouseTool::None);
}

} // namespace
