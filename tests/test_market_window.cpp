// The market beside the charts, driven through the main window offscreen: a
// chosen swing makes the pivot whose targets quadrix-cli gives, 以此为起点
// is one step, a chart file's market comes back when the file is opened
// again, and none of it reaches the file's bytes.

#include "BaseDraw.h"
#include "ChartDocument.h"
#include "ChartKinds.h"
#include "Clusters.h"
#include "DateTicks.h"
#include "LocalMidnight.h"
#include "MainFrame.h"
#include "MarketStore.h"
#include "MarketWorkspace.h"
#include "PaneWidget.h"
#include "SwingPanel.h"
#include "TargetPanel.h"
#include "WhenPanel.h"
#include "TargetTable.h"
#include "VersionCheck.h"

#include <QFile>
#include <QAbstractItemModel>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kFirstDay = 19723; // 2024-01-01

// Daily bars climbing from 100 to 160, falling to 120, climbing to 200 and
// falling to 152, each bar's high and low a point about its close: a 10%
// ZigZag turns at a low of 99, a high of 161 on 31 January, a low of 119 on
// 20 February and a high of 201, and tracks a low of 151 at the end.
BarSeries Walk()
{
    BarSeries series;
    double close = 100;
    std::int64_t day = kFirstDay;
    for (const auto& [to, days] : std::initializer_list<std::pair<double, int>>{{160, 30}, {120, 20}, {200, 40}, {150, 25}}) {
        const double step = (to - close) / days;
        for (int i = 0; i < days; ++i, close += step, ++day)
            series.bars.push_back({day * kDay, close, close + 1, close - 1, close, 1000.0, std::nullopt});
    }
    return series;
}

class MarketWindow : public testing::Test {
protected:
    void SetUp() override
    {
        const auto store = CMarketStore::Open(Path("market.sqlite").toStdString());
        ASSERT_TRUE(store.Ok()) << store.Message();
        CMarketStore::Instrument instrument;
        instrument.symbol = "WALK";
        ASSERT_TRUE(store.Value()->Import(instrument, Walk()).Ok());
        m_check.SetAsk([](const QString&) { return false; });
        m_frame = std::make_unique<CMainFrame>(m_check);
        m_frame->SetSaveQuestion([] { return true; });
        Market().Session().SetStorePath(Path("market.sqlite").toStdString());
        Doc().SwitchKind(kSquareOfNine);
    }

    QString Path(const char* name) const { return m_dir.filePath(name); }
    CChartDocument& Doc() const { return m_frame->Document(); }
    CMarketWorkspace& Market() const { return m_frame->Market(); }
    QByteArray Bytes(const char* name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    CVersionCheck m_check;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace

TEST_F(MarketWindow, ASwingChosenIsThePivotQuadrixCliTargetsGivesAndTheStartOfOneStep)
{
    ASSERT_TRUE(Doc().Save(Path("before.rtl")).Ok());
    Market().Choose("WALK");
    const std::vector<Swing>& swings = Market().Session().Swings();
    ASSERT_EQ(swings.size(), 5u);
    EXPECT_EQ(swings[1].price, 161);
    Market().ShowDateCells(true);

    // The swing list shows the rows quadrix-cli swings prints, column by column.
    QProcess swingsCli;
    swingsCli.start(QStringLiteral(QUADRIX_CLI), {"swings", "WALK", "--zigzag", "10", "--format", "csv", "--store",
                                                  Path("market.sqlite")});
    ASSERT_TRUE(swingsCli.waitForFinished());
    QStringList lines = QString::fromUtf8(swingsCli.readAllStandardOutput()).remove(QChar(0xFEFF)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    const QAbstractItemModel& table = *Market().SwingPanel().Table()->model();
    for (int row = 0; row < 5; ++row) {
        QStringList shown;
        for (int column = 0; column < table.columnCount(); ++column)
            shown << table.index(row, column).data().toString();
        shown[2] = shown[2] == "高" ? "high" : "low";
        shown[4] = shown[4] == "是" ? "true" : "false";
        EXPECT_EQ(shown.join(','), lines[row + 1]);
    }

    Market().ChooseSwing(1);
    EXPECT_EQ(Doc().Marks().Pivot(), 161); // the chart starts at 1 a cell
    ASSERT_TRUE(Doc().Save(Path("after.rtl")).Ok());
    EXPECT_EQ(Bytes("after.rtl"), Bytes("before.rtl"));
    QProcess cli;
    cli.start(QStringLiteral(QUADRIX_CLI), {"targets", "--file", Path("after.rtl"), "--kind", "nine", "--price", "161"});
    ASSERT_TRUE(cli.waitForFinished());
    // Cells' places on the canvas aside, which follow the window's size.
    const auto withoutPlaces = [](const std::string& text) {
        nlohmann::json rows = nlohmann::json::parse(text);
        for (nlohmann::json& row : rows)
            row.erase("x"), row.erase("y");
        return rows;
    };
    EXPECT_EQ(withoutPlaces(cli.readAllStandardOutput().toStdString()),
              withoutPlaces(TargetTable::Json(Doc().Marks().Targets())));

    // The low of 119 on its day: one step, undone as one.
    const int steps = Doc().UndoStack().count();
    Market().ChooseSwing(2);
    Market().StartAtChosenSwing();
    const CBaseDraw& chart = Doc().Chart();
    EXPECT_EQ(chart.m_fStartPrice, 119.0f);
    EXPECT_EQ(chart.m_tStartTime, LocalMidnight("2024-02-20"));
    EXPECT_EQ(Doc().UndoStack().count(), steps + 1);
    Doc().Undo();
    EXPECT_EQ(Doc().Chart().m_fStartPrice, 1.0f);
}

// A file opened again shows the instrument, swing method and pane it was
// left with; a new chart set keeps nothing of it.
TEST_F(MarketWindow, AChartFilesMarketComesBackWhenItIsOpenedAgain)
{
    ASSERT_TRUE(Doc().Save(Path("chart.rtl")).Ok());
    Market().Choose("WALK");
    SwingMethod pivots;
    pivots.by = SwingMethod::By::Pivots;
    pivots.left = pivots.right = 3;
    Market().Session().SetMethod(pivots);
    Market().Pane()->SetStyle(PaneStyle::Line);
    Market().Pane()->SetSpan(double(kFirstDay + 10) * kDay, double(kFirstDay + 50) * kDay);
    const std::pair<double, double> span = Market().Pane()->Span();

    Doc().New();
    Market().Session().Clear();
    Market().Session().SetMethod({});
    Market().Pane()->SetStyle(PaneStyle::Candles);
    ASSERT_TRUE(Doc().Open(Path("chart.rtl")).Ok());
    ASSERT_TRUE(Market().Session().HasInstrument());
    EXPECT_EQ(Market().Session().Instrument()->symbol, "WALK");
    EXPECT_EQ(Market().Session().Method().by, SwingMethod::By::Pivots);
    EXPECT_EQ(Market().Session().Method().left, 3);
    EXPECT_EQ(Market().Pane()->Style(), PaneStyle::Line);
    EXPECT_EQ(Market().Pane()->Span(), span);

    // A span edited by hand into nonsense leaves the pane showing all.
    Market().Pane()->ShowAll();
    const std::pair<double, double> all = Market().Pane()->Span();
    QSettings settings;
    settings.beginGroup("marketFiles");
    for (const QString& file : settings.childGroups())
        settings.setValue(file + "/first", "nan");
    settings.endGroup();
    Doc().New();
    ASSERT_TRUE(Doc().Open(Path("chart.rtl")).Ok());
    EXPECT_EQ(Market().Pane()->Span(), all);
}

// The 时间 dock's clusters and events tick the calendar ring and a chosen
// cluster centres the pane; the targets count trading days while the chart
// has an instrument.
TEST_F(MarketWindow, TheWhenDockMarksTheRingAndTheTargetsCountTradingDays)
{
    Market().Choose("WALK");
    CWhenPanel& when = Market().WhenPanel();
    std::vector<Cluster> clusters(2);
    clusters[0] = {kFirstDay + 40, 3, 1, {}};
    clusters[1] = {kFirstDay + 60, 2, 1, {}};
    emit when.clustersShown(clusters, 1);
    SkyEvent equinox;
    equinox.time = 2460389.63; // 2024-03-20 03:06 UT
    emit when.eventsShown({equinox});
    std::vector<std::pair<std::int64_t, int>> ticks;
    for (const DateTick& tick : Doc().DateTicks().Ticks())
        ticks.emplace_back(tick.day, tick.score);
    EXPECT_EQ(ticks, (std::vector<std::pair<std::int64_t, int>>{{kFirstDay + 40, 3}, {kFirstDay + 60, 2}, {19802, 0}}));

    Market().Pane()->SetSpan(double(kFirstDay) * kDay, double(kFirstDay + 20) * kDay);
    emit when.clusterChosen(kFirstDay + 50);
    const auto [first, last] = Market().Pane()->Span();
    EXPECT_DOUBLE_EQ((first + last) / 2, double(kFirstDay + 50) * kDay + kDay / 2);

    Market().ChooseSwing(1);
    EXPECT_EQ(m_frame->Targets()->Table()->columnCount(), 11);
    Market().Session().Clear();
    EXPECT_EQ(m_frame->Targets()->Table()->columnCount(), 10);
}

