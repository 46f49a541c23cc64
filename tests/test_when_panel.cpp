// The 时间 dock offscreen: its clusters and the sky's events are what
// quadrix-cli clusters and events give for the same choices, to the bytes
// of their exports, and a long search runs on a worker.

#include "ChartDocument.h"
#include "ChartKinds.h"
#include "CityList.h"
#include "ClusterTab.h"
#include "LocalMidnight.h"
#include "MarketSession.h"
#include "MarketStore.h"
#include "SkyEventTab.h"
#include "WhenPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kFirstDay = 19360; // 2023-01-03

// Two years of weekday bars on two waves: a 10% ZigZag turns a dozen times.
BarSeries Waves()
{
    BarSeries series;
    for (int i = 0; i < 730; ++i) {
        const std::int64_t day = kFirstDay + i;
        if ((day + 3) % 7 >= 5) // Saturday and Sunday
            continue;
        const double close = 100 + 30 * std::sin(i / 17.0) + 10 * std::sin(i / 5.3);
        series.bars.push_back({day * kDay, close, close + 1, close - 1, close, 1000.0, std::nullopt});
    }
    return series;
}

QByteArray Cli(const QStringList& args)
{
    QProcess cli;
    cli.start(QStringLiteral(QUADRIX_CLI), args);
    EXPECT_TRUE(cli.waitForFinished());
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput();
}

// A calendar less its DTSTAMP lines, which say when it was made.
QByteArray Unstamped(QByteArray ics)
{
    QList<QByteArray> lines = ics.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("DTSTAMP:"); });
    return lines.join('\n');
}

class WhenPanel : public testing::Test {
protected:
    void SetUp() override
    {
        const auto store = CMarketStore::Open(Path("market.sqlite").toStdString());
        ASSERT_TRUE(store.Ok()) << store.Message();
        CMarketStore::Instrument instrument;
        instrument.symbol = "WAVE";
        ASSERT_TRUE(store.Value()->Import(instrument, Waves()).Ok());
        m_session.SetStorePath(Path("market.sqlite").toStdString());
        ASSERT_TRUE(m_session.Choose("WAVE").Ok());
        m_cities = CityFile::Read(QUADRIX_CITY_XML);
        ASSERT_TRUE(m_cities.Ok());
        // The chart laid out as the window lays it out, so that its cells stand at angles.
        m_document.SetViewGeometry({1000, 1000}, {50, 50, 950, 950});
        m_panel = std::make_unique<CWhenPanel>(m_session, m_document, m_cities);
    }

    QString Path(const char* name) const { return m_dir.filePath(name); }
    void Write(const char* name, const char* text) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray Bytes(const char* name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    template <typename Widget>
    Widget* Find(const char* name) const
    {
        Widget* widget = m_panel->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void SetRange(const char* from, const char* to, const QDate& first, const QDate& last) const
    {
        Find<QDateEdit>(from)->setDate(first);
        Find<QDateEdit>(to)->setDate(last);
    }

    QTemporaryDir m_dir;
    CMarketSession m_session;
    CChartDocument m_document;
    CityList m_cities;
    std::unique_ptr<CWhenPanel> m_panel;
};

} // namespace

TEST_F(WhenPanel, ClustersAreQuadrixCliClustersToTheBytesOfTheirExports)
{
    CClusterTab& tab = m_panel->ClusterTab();
    // Cell 1 on the first bar's day, so that the chart's targets fall in the range.
    m_document.SwitchKind(kSquareOfNine);
    m_document.StartAt(1.0, *LocalMidnight("2023-01-03"));
    ASSERT_TRUE(m_document.Save(Path("chart.rtl")).Ok());
    SetRange("from", "to", QDate(2023, 3, 1), QDate(2025, 6, 1));
    // Holidays count beyond the last bar, on 2025-01-01.
    Write("holidays.txt", "2025-01-20\n2025-02-17\n2025-04-18\n");
    Write("bad.txt", "2025-01-20\nnew year\n");
    tab.SetHolidayFile(Path("bad.txt"));
    EXPECT_TRUE(Find<QLabel>("holidayNote")->text().endsWith("bad.txt line 2: not a date YYYY-MM-DD"));
    QSignalSpy shown(m_panel.get(), &CWhenPanel::clustersShown);
    tab.SetHolidayFile(Path("holidays.txt"));
    ASSERT_EQ(shown.size(), 1);

    const QStringList args = {"clusters", "WAVE", "--zigzag", "10", "--from", "2023-03-01", "--to", "2025-06-01",
                              "--holidays", Path("holidays.txt"), "--file", Path("chart.rtl"), "--kind", "nine",
                              "--store", Path("market.sqlite")};
    const nlohmann::json clusters = nlohmann::json::parse(Cli(args).toStdString());
    ASSERT_GT(clusters.size(), 3u);
    ASSERT_EQ(m_panel->Clusters().size(), clusters.size());
    const QTableWidget& table = *tab.ClusterTable();
    ASSERT_EQ(table.rowCount(), static_cast<int>(clusters.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const nlohmann::json& c = clusters[static_cast<std::size_t>(row)];
        EXPECT_EQ(table.item(row, 0)->text().toStdString(), c["date"]) << row;
        EXPECT_EQ(table.item(row, 1)->text().toInt(), c["score"]) << row;
        EXPECT_EQ(table.item(row, 2)->text().toInt(), c["methods"]) << row;
    }

    // A click on the second cluster lists its projections and names its day.
    QSignalSpy chosen(m_panel.get(), &CWhenPanel::clusterChosen);
    const QTableWidget& projections = *tab.ProjectionTable();
    m_panel->resize(700, 900);
    m_panel->show();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(table.item(1, 0)).center());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<std::int64_t>(), m_panel->Clusters()[1].day);
    const nlohmann::json& listed = clusters[1]["projections"];
    ASSERT_EQ(projections.rowCount(), static_cast<int>(listed.size()));
    for (int row = 0; row < projections.rowCount(); ++row) {
        const nlohmann::json& p = listed[static_cast<std::size_t>(row)];
        EXPECT_EQ(projections.item(row, 0)->text().toStdString(), p["swing"]);
        EXPECT_EQ(projections.item(row, 4)->text().toStdString(), p["date"]);
    }

    ASSERT_TRUE(tab.Export(TextExport::Format::Csv, Path("clusters.csv")).Ok());
    ASSERT_TRUE(tab.Export(TextExport::Format::Ics, Path("clusters.ics")).Ok());
    EXPECT_EQ(Bytes("clusters.csv"), Cli(args + QStringList{"--format", "csv"}));
    EXPECT_EQ(Unstamped(Bytes("clusters.ics")), Unstamped(Cli(args + QStringList{"--format", "ics"})));
}

TEST_F(WhenPanel, TheSkyOf2024AtACityIsQuadrixCliEventsWithTheEquinoxInLocalTime)
{
    CSkyEventTab& tab = m_panel->EventTab();
    SetRange("eventsFrom", "eventsTo", QDate(2024, 1, 1), QDate(2024, 12, 31));
    Find<QComboBox>("place")->setCurrentText("Beijing");
    QSignalSpy shown(m_panel.get(), &CWhenPanel::eventsShown);
    tab.Find();
    ASSERT_EQ(shown.size(), 1);
    ASSERT_FALSE(m_panel->Events().empty());

    const QAbstractItemModel& table = *tab.Table()->model();
    bool equinox = false;
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.index(row, 2).data().toString() == "太阳进入白羊座") {
            EXPECT_EQ(table.index(row, 0).data().toString(), "2024-03-20 11:06");
            EXPECT_EQ(table.index(row, 1).data().toString(), "2024-03-20 03:06");
            equinox = true;
        }
    EXPECT_TRUE(equinox);

    const QStringList args = {"events", "--from", "2024-01-01", "--to", "2024-12-31", "--city", "Beijing",
                              "--cities", QUADRIX_CITY_XML};
    ASSERT_TRUE(tab.Export(TextExport::Format::Csv, Path("events.csv")).Ok());
    ASSERT_TRUE(tab.Export(TextExport::Format::Ics, Path("events.ics")).Ok());
    EXPECT_EQ(Bytes("events.csv"), Cli(args + QStringList{"--format", "csv"}));
    EXPECT_EQ(Unstamped(Bytes("events.ics")), Unstamped(Cli(args + QStringList{"--format", "ics"})));
}

TEST_F(WhenPanel, ALongSearchRunsOnAWorkerAndShowsWhatItFound)
{
    CSkyEventTab& tab = m_panel->EventTab();
    SetRange("eventsFrom", "eventsTo", QDate(2000, 1, 1), QDate(2009, 12, 31));
    for (QCheckBox* check : m_panel->findChildren<QCheckBox*>())
        if (check->objectName().startsWith("body_") || check->objectName().startsWith("aspect_"))
            check->setChecked(check->objectName() == "body_sun");
    QSignalSpy shown(m_panel.get(), &CWhenPanel::eventsShown);
    tab.Find();
    EXPECT_TRUE(tab.Busy());
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_FALSE(tab.Busy());
    // The sun enters each sign once a year.
    EXPECT_EQ(m_panel->Events().size(), 120u);
    EXPECT_EQ(tab.Table()->model()->rowCount(), 120);
}
