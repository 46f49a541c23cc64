// The caption of a printed or exported chart: what a reader needs to know of
// the chart, then where it came from, in the interface's (here untranslated) texts.

#include "ChartCaption.h"
#include "ChartKinds.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using Lines = std::vector<std::string>;

TEST(ChartCaption, TheChartsParametersAsItsLabelsPrintThemThenThePlanetsAndTheContext)
{
    // Kind, start, step, the menu's decimals (-1 natural), period, time step: the first line.
    const std::tuple<const char*, float, float, int, Period, int, const char*> rows[] = {
        {"nine", 100.0f, 0.25f, 2, Period::Day, 1,
         "九方图 · 价格：起点 100.00，步长 0.25 · 时间：起点 2024-01-02，步长 1 天 · 圈数：20"},
        // The step keeps its decimals where the labels round them off.
        {"four", 1000.0f, 0.25f, 0, Period::Week, 2,
         "四方图 · 价格：起点 1000，步长 0.25 · 时间：起点 2024-01-02，步长 2 周 · 圈数：20"},
        // A float's 0.1 is 0.1, not its binary expansion.
        {"wheel", 1.0f, 0.1f, -1, Period::Month, 1,
         "24 轮子 · 价格：起点 1.0，步长 0.1 · 时间：起点 2024-01-02，步长 1 个月 · 圈数：20"},
        {"hexagon", 12.5f, 2.0f, 2, Period::Day, 3,
         "六方图 · 价格：起点 12.5，步长 2 · 时间：起点 2024-01-02，步长 3 天 · 圈数：20"},
    };
    for (const auto& [name, start, step, decimals, period, timeStep, line] : rows) {
        const std::unique_ptr<CBaseDraw> chart = FindChartKind(name)->create();
        chart->SetRings(20);
        chart->m_fStartPrice = start;
        chart->m_fPriceStep = step;
        chart->m_nDecimals = decimals;
        chart->UpdateNaturalDecimals();
        chart->m_nPeriod = period;
        chart->m_nTimeStep = timeStep;
        chart->m_tStartTime = LocalMidnight(2024, 1, 2);
        EXPECT_EQ(ChartCaption(*chart, {}), Lines{line}) << name;
    }

    const std::unique_ptr<CBaseDraw> chart = FindChartKind("nine")->create();
    chart->SetRings(20);
    chart->m_fStartPrice = 100.0f;
    chart->m_fPriceStep = 0.25f;
    chart->UpdateNaturalDecimals();
    chart->m_tStartTime = LocalMidnight(2024, 1, 2) + 9 * 3600 + 30 * 60;
    const std::string parameters =
        "九方图 · 价格：起点 100.00，步长 0.25 · 时间：起点 2024-01-02 09:30:00，步长 1 天 · 圈数：20";

    // The context on a line of its own, its empty parts left out.
    EXPECT_EQ(ChartCaption(*chart, {"IDX Index", "编号 41", "2026-12-07"}),
              (Lines{parameters, "品种：IDX Index · 支点：编号 41 · 打印日期：2026-12-07"}));
    EXPECT_EQ(ChartCaption(*chart, {"", "", "2026-12-07"}), (Lines{parameters, "打印日期：2026-12-07"}));

    // The planets only where their ring is drawn, which needs a ring to stand
    // on; too long for the first line, they begin the next.
    chart->m_Planets = Longitudes{};
    chart->m_PlanetCaption = "Planets 2024-03-20 12:00:00, Beijing";
    EXPECT_EQ(ChartCaption(*chart, {}), Lines{parameters});
    chart->m_bShowCalendarRing = true;
    EXPECT_EQ(ChartCaption(*chart, {"IDX Index", "", ""}),
              (Lines{parameters, "Planets 2024-03-20 12:00:00, Beijing", "品种：IDX Index"}));

    // A chart of no known kind goes by its own name (here none).
    CGridChart grid;
    grid.m_tStartTime = LocalMidnight(2024, 1, 2);
    EXPECT_EQ(ChartCaption(grid, {}).front().rfind("价格：起点 1", 0), 0u);
}
