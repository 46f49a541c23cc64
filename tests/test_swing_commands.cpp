// quadrix-cli swings, stats and clusters, run as functions over a store the
// test fills.

#include "BarTime.h"
#include "ClusterCommands.h"
#include "CommandRun.h"
#include "MarketStore.h"
#include "SwingCommands.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iterator>
#include <tuple>

namespace {

// A daily market from 2024-01-01 of highs and lows walked by hand: a 10%
// ZigZag turns at its high of 103 (bar 1), low of 90 (bar 4), high of 110
// (bar 6) and tracks the low of 99 (bar 7) at the end.
class SwingCommandRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        BarSeries series;
        const std::pair<double, double> highLows[] = {
            {100, 95}, {103, 97}, {103, 96}, {102, 92}, {95, 90}, {99, 91}, {110, 85}, {108, 99}, {104, 100}};
        for (const auto& [high, low] : highLows) {
            Bar bar;
            bar.time = *BarTime::Parse("2024-01-01") + BarTime::kSecondsPerDay * static_cast<long long>(series.bars.size());
            bar.high = high;
            bar.low = low;
            bar.open = bar.close = (high + low) / 2;
            series.bars.push_back(bar);
        }
        CMarketStore::Instrument walk;
        walk.symbol = "W";
        ASSERT_TRUE(CMarketStore::Open(Store().toStdString()).Value()->Import(walk, series).Ok());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    QString Store() const { return QString::fromStdString((m_dir / "market.sqlite").string()); }
    CommandRun Run(QStringList args) const
    {
        const auto command = args.front() == "clusters" ? ClusterCommands::Run : SwingCommands::Run;
        return Invoke(command, args + QStringList{"--store", Store()}, std::int64_t{0});
    }

private:
    std::filesystem::path m_dir = std::filesystem::temp_directory_path() / "quadrix_swing_commands";
};

} // namespace

TEST_F(SwingCommandRun, SwingsAsJsonCsvCalendarAndOnAChart)
{
    const CommandRun json = Run({"swings", "W", "--zigzag", "10%"});
    EXPECT_EQ(json.out,
        R"([{"time":"2024-01-02","price":103.0,"kind":"high","index":1,"confirmed":true,"move":null,)"
        R"("move_percent":null,"bars":null,"days":null},{"time":"2024-01-05","price":90.0,"kind":"low","index":4,)"
        R"("confirmed":true,"move":-13.0,"move_percent":-12.6213592233,"bars":3,"days":3},{"time":"2024-01-07",)"
        R"("price":110.0,"kind":"high","index":6,"confirmed":true,"move":20.0,"move_percent":22.2222222222,)"
        R"("bars":2,"days":2},{"time":"2024-01-08","price":99.0,"kind":"low","index":7,"confirmed":false,)"
        R"("move":-11.0,"move_percent":-10.0,"bars":1,"days":1}])" "\n") << json.err;

    // Cell n holds price 79 + n and, from the first bar's day, day n - 1.
    const nlohmann::json onChart =
        nlohmann::json::parse(Run({"swings", "W", "--zigzag", "10", "--rings", "3", "--start", "80"}).out);
    const std::tuple<int, double, int, double> cells[] = {
        {24, 243.43495, 2, 180}, {11, 180, 5, 45}, {31, 135, 7, 315}, {20, 333.43494, 8, 270}};
    ASSERT_EQ(onChart.size(), std::size(cells));
    for (std::size_t i = 0; i < onChart.size(); ++i)
        EXPECT_EQ(std::make_tuple(onChart[i]["price_cell"].get<int>(), onChart[i]["price_angle"].get<double>(),
                                  onChart[i]["date_cell"].get<int>(), onChart[i]["date_angle"].get<double>()),
                  cells[i]);

    // Closes 97.5 100 99.5 97 92.5 95 97.5 103.5 102: pivots of one bar each side.
    EXPECT_EQ(Run({"swings", "W", "--pivots", "1,1", "--on", "close", "--format", "csv"}).out,
              "\xEF\xBB\xBFtime,price,kind,index,confirmed,move,move_percent,bars,days\r\n"
              "2024-01-02,100,high,1,true,,,,\r\n2024-01-05,92.5,low,4,true,-7.5,-7.5,3,3\r\n"
              "2024-01-08,103.5,high,7,true,11,11.8918918919,3,3\r\n");
    const std::string ics = Run({"swings", "W", "--zigzag-amount", "10", "--format", "ics"}).out;
    EXPECT_NE(ics.find("UID:W_1704585600_low@quadrix.swings\r\nDTSTAMP:19700101T000000Z\r\n"
                       "DTSTART;VALUE=DATE:20240107\r\nDTEND;VALUE=DATE:20240108\r\nSUMMARY:W swing low 85\r\n"),
              std::string::npos) << ics;
    EXPECT_NE(ics.find("SUMMARY:W swing high 108 (unconfirmed)"), std::string::npos);
}

TEST_F(SwingCommandRun, StatsFromTheLowestLowAgainstItsBaseline)
{
    // From the low of 90 in cell 11 (180 degrees) and on day cell 5 (45): the
    // high of 103 in cell 24 lies 18.43 off, the high of 110 in cell 31 on
    // 135; both days are hits.
    const CommandRun run = Run({"stats", "W", "--zigzag", "10", "--rings", "3", "--start", "80", "--samples", "100"});
    const nlohmann::json stats = nlohmann::json::parse(run.out);
    EXPECT_EQ(stats["origin"]["index"], 4);
    EXPECT_EQ(std::make_tuple(stats["price"]["swings"], stats["price"]["hits"], stats["date"]["swings"],
                              stats["date"]["hits"], stats["rows"][0]["price_distance"], stats["rows"][1]["price_hit"]),
              std::make_tuple(2, 1, 2, 2, 18.43495, true));
    const double b = stats["price"]["baseline_rate"];
    EXPECT_NEAR(stats["price"]["p_value"].get<double>(), 1 - (1 - b) * (1 - b), 1e-12);
    EXPECT_EQ(std::make_tuple(stats["price"]["baseline_cases"], stats["date"]["baseline_cases"] < 100),
              std::make_tuple(100, true)); // the first day is the centre cell's, at no angle
    const std::string csv = Run({"stats", "W", "--zigzag", "10", "--format", "csv"}).out;
    EXPECT_EQ(csv.substr(0, csv.find("\r\nprice,2,")),
              "\xEF\xBB\xBF" "angle,swings,hits,rate,baseline_rate,p_value,baseline_cases");
}

TEST_F(SwingCommandRun, ClustersAsJsonCsvAndCalendar)
{
    // 30 days on from the high of 2 January, the low of 5 January and the
    // high of 7 January fall on 1, 4 and 6 February; the last high's move of
    // 20 squares to 20 trading days: the bars' own days to the 9th, then
    // weekdays, to 2 February. Within three days either side, 1 to 4
    // February hold all three swings; the 1st stands for them. The low's
    // move of 13 squares to 22 January in trading days, three days from the
    // high's 20 calendar days, 27 January: 24 January holds both.
    const QStringList args = {"clusters", "W", "--zigzag", "10", "--methods", "calendar,square", "--counts", "30",
                              "--window", "3", "--from", "2024-01-01", "--to", "2024-03-31"};
    const CommandRun json = Run(args);
    EXPECT_EQ(json.out,
        R"([{"date":"2024-02-01","score":3,"methods":2,"projections":[)"
        R"({"swing":"2024-01-02","kind":"high","method":"calendar","count":30,"date":"2024-02-01"},)"
        R"({"swing":"2024-01-07","kind":"high","method":"square","count":20,"date":"2024-02-02"},)"
        R"({"swing":"2024-01-05","kind":"low","method":"calendar","count":30,"date":"2024-02-04"}]},)"
        R"({"date":"2024-01-24","score":2,"methods":1,"projections":[)"
        R"({"swing":"2024-01-05","kind":"low","method":"square","count":13,"date":"2024-01-22"},)"
        R"({"swing":"2024-01-07","kind":"high","method":"square","count":20,"date":"2024-01-27"}]}])" "\n")
        << json.err;
    EXPECT_EQ(Run(args + QStringList{"--format", "csv"}).out,
              "\xEF\xBB\xBF" "date,score,methods,projections\r\n2024-02-01,3,2,2024-01-02 high calendar 30 2024-02-01; "
              "2024-01-07 high square 20 2024-02-02; 2024-01-05 low calendar 30 2024-02-04\r\n"
              "2024-01-24,2,1,2024-01-05 low square 13 2024-01-22; 2024-01-07 high square 20 2024-01-27\r\n");
    // Only the swings from the low of 5 January, or to it, both days included.
    const auto dates = [this, &args](const QStringList& chosen) {
        std::vector<std::tuple<std::string, int>> found;
        for (const auto& cluster : nlohmann::json::parse(Run(args + chosen).out))
            found.emplace_back(cluster["date"], cluster["score"]);
        return found;
    };
    using Dates = std::vector<std::tuple<std::string, int>>;
    EXPECT_EQ(dates({"--swings-from", "2024-01-05"}), (Dates{{"2024-02-01", 2}, {"2024-01-24", 2}}));
    EXPECT_EQ(dates({"--swings-to", "2024-01-05"}), (Dates{{"2024-02-01", 2}}));
    std::string ics = Run(args + QStringList{"--format", "ics"}).out;
    for (std::size_t fold = ics.find("\r\n "); fold != std::string::npos; fold = ics.find("\r\n ", fold))
        ics.erase(fold, 3);
    EXPECT_NE(ics.find("DTSTART;VALUE=DATE:20240201\r\nDTEND;VALUE=DATE:20240202\r\nSUMMARY:W cluster\\, score 3 "
                       "(2 methods): 2024-01-02 high\\, 2024-01-05 low\\, 2024-01-07 high\r\n"),
              std::string::npos) << ics;
}

TEST_F(SwingCommandRun, BadOptionsAndAMissingSymbol)
{
    const std::tuple<QStringList, int, std::string> rows[] = {
        {{"swings", "W"}, 2, "give one of --zigzag P, --zigzag-amount A or --pivots L,R"},
        {{"swings", "W", "--zigzag", "0"}, 2, "--zigzag takes a number above 0 to 100, not '0'"},
        {{"swings", "W", "--zigzag-amount", "-1"}, 2, "--zigzag-amount takes a number above 0, not '-1'"},
        {{"swings", "W", "--pivots", "2"}, 2, "--pivots takes two whole numbers L,R from 0 to 100000, not '2'"},
        {{"swings", "W", "--zigzag", "5", "--on", "open"}, 2, "--on takes highlow or close, not 'open'"},
        {{"swings", "W", "--zigzag", "5", "--seed", "3"}, 2, "--seed goes with stats"},
        {{"swings", "W", "--zigzag", "5", "--kind", "master"}, 2, "swings needs a chart kind with angles, not master"},
        {{"swings", "W", "--zigzag", "5", "--to", "2024-02-30"}, 2,
         "--to takes YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], not '2024-02-30'"},
        {{"stats", "W", "--zigzag", "5", "--harmonic", "50"}, 2,
         "--harmonic takes degrees that divide 360 (30, 45, 60, 90, 120), not '50'"},
        {{"stats", "W", "--zigzag", "5", "--orb", "30"}, 2, "--orb takes a number from 0 to 22.5, not '30'"},
        {{"stats", "W", "--zigzag", "5", "--origin", "2024-01"}, 2,
         "--origin takes low, high or a date YYYY-MM-DD, not '2024-01'"},
        {{"stats", "W", "--zigzag", "5", "--format", "ics"}, 2, "--format takes json or csv, not 'ics'"},
        {{"stats", "W", "--zigzag", "5", "--origin", "2024-01-04"}, 1,
         "W: no confirmed swing on 2024-01-04 to measure from"},
        {{"clusters", "W", "--zigzag", "5", "--methods", "calendar,moon"}, 2,
         "--methods takes calendar, trading, chart or square, not 'moon'"},
        {{"clusters", "W", "--zigzag", "5", "--counts", "30,0"}, 2,
         "--counts takes whole numbers 1 to 100000 and years, not '0'"},
        {{"clusters", "W", "--zigzag", "5", "--window", "-1"}, 2, "--window takes a whole number 0 to 366, not '-1'"},
        {{"clusters", "W", "--zigzag", "5", "--from", "2024-01-09", "--to", "2024-01-08"}, 2,
         "--from and --to take a range of 0 to 366000 days, from 2024-01-09 to 2024-01-08 is not"},
        {{"clusters", "W", "--zigzag", "5", "--kind", "master"}, 2,
         "the chart method needs a chart kind with angles, not master"},
        {{"clusters", "W", "--zigzag", "5", "--holidays", "/nonexistent/holidays.txt"}, 1,
         "Cannot read /nonexistent/holidays.txt: No such file or directory"},
        {{"clusters", "W", "--zigzag", "5", "--format", "ics", "--to", "1970-01-02"}, 1,
         "no clusters of W from 1970-01-01 to 1970-01-02, so there is no calendar to write"},
    };
    for (const auto& [args, status, message] : rows) {
        const CommandRun run = Run(args);
        EXPECT_EQ(std::make_tuple(run.status, run.out), std::make_tuple(status, std::string())) << message;
        EXPECT_EQ(run.err, "quadrix-cli: " + message + (status == 2 ? " (see --help)\n" : "\n"));
    }
    const CommandRun missing = Run({"swings", "Q", "--zigzag", "5"});
    EXPECT_TRUE(missing.status == 1 && missing.err.find("no symbol Q") != std::string::npos) << missing.err;
}
