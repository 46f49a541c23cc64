// Trading days, the dates projected from swings and the clusters they form.

#include "BarTime.h"
#include "ChartKinds.h"
#include "Clusters.h"
#include "GridChart.h"
#include "HolidayFile.h"
#include "ProjectionCounts.h"
#include "Projections.h"
#include "TradingDays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::int64_t Day(const std::string& date) { return *BarTime::Parse(date) / BarTime::kSecondsPerDay; }
std::string Date(std::int64_t day) { return BarTime::Text(day * BarTime::kSecondsPerDay, false); }

std::vector<std::int64_t> Days(std::initializer_list<const char*> dates)
{
    std::vector<std::int64_t> days;
    for (const char* date : dates)
        days.push_back(Day(date));
    return days;
}

} // namespace

TEST(TradingDays, ByBarsThenWeekdaysLessHolidays)
{
    // Bars Monday 4 to Friday 8 March 2024 but none on Wednesday 6; Tuesday
    // 12 a holiday, and Saturday 16 one that changes nothing.
    const CTradingDays days(Days({"2024-03-08", "2024-03-04", "2024-03-05", "2024-03-07", "2024-03-07"}),
                            Days({"2024-03-12", "2024-03-16"}));
    const std::tuple<const char*, int, const char*> rows[] = {
        {"2024-03-04", 0, "2024-03-04"},
        {"2024-03-04", 2, "2024-03-07"}, // no bar on the 6th
        {"2024-03-08", 1, "2024-03-11"}, // past the bars, over the weekend
        {"2024-03-08", 2, "2024-03-13"}, // over the holiday
        {"2024-03-09", 1, "2024-03-11"}, // from a Saturday
        {"2024-03-07", 6, "2024-03-18"}, // the Saturday holiday skipped no day
        {"2024-02-29", 2, "2024-03-04"}, // before the bars by weekdays, into them
    };
    for (const auto& [from, count, to] : rows) {
        EXPECT_EQ(Date(days.After(Day(from), count)), to) << from << " + " << count;
        EXPECT_EQ(days.Between(Day(from), Day(to)), count) << from << " .. " << to;
    }
    EXPECT_EQ(days.Between(Day("2024-03-13"), Day("2024-03-05")), -4);

    // Long counts with no bars agree with a walk day by day.
    const std::vector<std::int64_t> holidays = Days({"2024-12-25", "2025-01-01", "2025-05-26", "2025-12-25"});
    const CTradingDays weekdays({}, holidays);
    std::int64_t walked = Day("2024-11-29");
    for (int count = 1; count <= 400; ++count) {
        do
            ++walked;
        while ((walked + 3) % 7 >= 5 || std::count(holidays.begin(), holidays.end(), walked));
        ASSERT_EQ(Date(weekdays.After(Day("2024-11-29"), count)), Date(walked)) << count;
    }
}

TEST(TradingDays, HolidayFileLines)
{
    const Result<std::vector<std::int64_t>> read =
        HolidayFile::Parse("# US\r\n2024-12-25\r\n\r\n  2025-01-01  # New Year\n2025-07-04", "h.txt");
    ASSERT_TRUE(read.Ok()) << read.Message();
    EXPECT_EQ(read.Value(), Days({"2024-12-25", "2025-01-01", "2025-07-04"}));
    for (const char* bad : {"2024-12-25\n\n2024-13-01\n", "2024-12-25\n#\n2024-1-2", "2024-12-25\n\n25.12.2024"})
        EXPECT_EQ(HolidayFile::Parse(bad, "h.txt").Message(), "h.txt line 3: not a date YYYY-MM-DD") << bad;
    EXPECT_FALSE(HolidayFile::Read("/nonexistent/holidays.txt").Ok());
}

TEST(Projections, CountsAsWritten)
{
    const struct {
        const char* text;
        std::vector<int> counts;
        bool years;
        const char* bad; // nullptr: read
    } rows[] = {
        {"30, 45 ,years", {30, 45}, true, nullptr},
        {"years", {}, true, nullptr},
        {"1,+100000", {1, 100000}, false, nullptr},
        {"30,0", {}, false, "0"},
        {"100001", {}, false, "100001"},
        {"30,,45", {}, false, ""},
        {"30x", {}, false, "30x"},
        {"", {}, false, ""},
    };
    for (const auto& row : rows) {
        std::vector<int> counts;
        bool years = false;
        std::string bad;
        ASSERT_EQ(ProjectionCounts::Read(row.text, counts, years, bad), row.bad == nullptr) << row.text;
        if (row.bad) {
            EXPECT_EQ(bad, row.bad) << row.text;
            continue;
        }
        EXPECT_EQ(counts, row.counts) << row.text;
        EXPECT_EQ(years, row.years) << row.text;
        // What the window writes back reads the same.
        std::vector<int> again;
        ASSERT_TRUE(ProjectionCounts::Read(ProjectionCounts::Text(counts, years), again, years, bad));
        EXPECT_EQ(again, row.counts);
    }
}

TEST(Projections, EachMethodFromOneSwing)
{
    // Square of Nine cells n hold price 79 + n and day n - 1 from 2024-01-01.
    const std::unique_ptr<CBaseDraw> chart = FindChartKind("nine")->create();
    chart->m_fStartPrice = 80;
    LayOut(*chart, 3, {50, 50, 950, 950});
    chart->m_tStartTime = LocalMidnight(2024, 1, 1);
    const auto swing = [](const char* date, double price, double move, bool confirmed) {
        Swing s;
        s.time = Day(date) * BarTime::kSecondsPerDay;
        s.price = price;
        s.move = move;
        s.confirmed = confirmed;
        return s;
    };
    // The high of Friday 5 January 2024 rose 20 from the first swing; the
    // last is unconfirmed and projects nothing.
    const std::vector<Swing> swings = {swing("2023-12-20", 90, 0, true), swing("2024-01-05", 110, 20, true),
                                       swing("2024-01-20", 90, -20, true), swing("2024-01-25", 99, 9, false)};
    const CTradingDays days({}, Days({"2024-01-15"}));
    ProjectionOptions options;
    options.first = Day("2024-01-01");
    options.last = Day("2026-01-05");
    const auto only = [&](ProjectionMethod method, std::size_t swing) {
        ProjectionOptions o = options;
        std::fill(std::begin(o.methods), std::end(o.methods), false);
        o.methods[static_cast<int>(method)] = true;
        std::vector<std::tuple<double, std::string>> found;
        for (const Projection& p : ProjectDates(swings, o, days, *chart, *FindChartKind("nine")))
            if (p.swing == swing)
                found.emplace_back(p.count, Date(p.day));
        return found;
    };
    using Rows = std::vector<std::tuple<double, std::string>>;
    // Sorted by date: the counts, then whole years (2024 a leap year).
    const Rows calendar = only(ProjectionMethod::Calendar, 1);
    ASSERT_EQ(calendar.size(), 15u);
    EXPECT_EQ(calendar.front(), Rows::value_type(30, "2024-02-04"));
    EXPECT_EQ(calendar[12], Rows::value_type(360, "2024-12-30"));
    EXPECT_EQ(calendar[13], Rows::value_type(366, "2025-01-05"));
    EXPECT_EQ(calendar[14], Rows::value_type(731, "2026-01-05"));
    // Six weeks of weekdays, a day more for the holiday of 15 January.
    EXPECT_EQ(only(ProjectionMethod::Trading, 1).front(), Rows::value_type(30, "2024-02-19"));
    // The price cell 31 at 135 degrees: a turn back is cell 13, 2024-01-13,
    // 45 degrees on cell 34, 2024-02-03; all 18 targets have dates.
    const Rows chartRows = only(ProjectionMethod::Chart, 1);
    ASSERT_EQ(chartRows.size(), 18u);
    EXPECT_EQ(chartRows.front(), Rows::value_type(-360, "2024-01-13"));
    EXPECT_NE(std::find(chartRows.begin(), chartRows.end(), Rows::value_type(45, "2024-02-03")), chartRows.end());
    // From cell 11 on 20 January only the 14 targets after that day.
    const Rows later = only(ProjectionMethod::Chart, 2);
    EXPECT_EQ(std::make_tuple(later.size(), later.front()), std::make_tuple(14u, Rows::value_type(225, "2024-01-21")));
    // A move of 20 steps: 20 calendar days, and 20 weekdays with the holiday.
    EXPECT_EQ(only(ProjectionMethod::Square, 1), (Rows{{20, "2024-01-25"}, {20, "2024-02-05"}}));
    EXPECT_TRUE(only(ProjectionMethod::Square, 0).empty()); // the first swing has no move
    options.scale = 0.5;
    chart->m_fPriceStep = 2;
    EXPECT_EQ(std::get<0>(only(ProjectionMethod::Square, 1).front()), 5);
    EXPECT_TRUE(only(ProjectionMethod::Calendar, 3).empty());

    // 29 February keeps its day in leap years and is the 28th in others.
    const std::vector<Swing> leap = {swing("2024-02-29", 100, 0, true)};
    options.counts.clear();
    options.last = Day("2028-12-31");
    std::vector<std::string> years;
    for (const Projection& p : ProjectDates(leap, options, days, *chart, *FindChartKind("nine")))
        if (p.method == ProjectionMethod::Calendar)
            years.push_back(Date(p.day));
    EXPECT_EQ(years, (std::vector<std::string>{"2025-02-28", "2026-02-28", "2027-02-28", "2028-02-29"}));
}

TEST(Clusters, WalkedByHand)
{
    // Swings A, B and C project onto days of January 2024.
    enum { A, B, C };
    using M = ProjectionMethod;
    const std::tuple<std::size_t, M, int> on[] = {
        {A, M::Calendar, 10}, {B, M::Trading, 10}, {C, M::Chart, 11},
        {A, M::Square, 20}, {B, M::Square, 20}, {C, M::Calendar, 22},
        {A, M::Calendar, 30}, {B, M::Calendar, 31}, {A, M::Trading, 32}, {C, M::Trading, 33},
        {A, M::Calendar, 40},
    };
    std::vector<Projection> projections;
    for (const auto& [swing, method, day] : on)
        projections.push_back({swing, method, 0, Day("2024-01-01") + day - 1});
    const auto clusters = [&projections](int window, int first, int last) {
        std::vector<std::tuple<int, int, int, std::size_t>> found; // day, swings, methods, projections
        for (const Cluster& c : FindClusters(projections, window, Day("2024-01-01") + first - 1,
                                             Day("2024-01-01") + last - 1))
            found.emplace_back(static_cast<int>(c.day - Day("2024-01-01") + 1), c.score, c.methods,
                               c.projections.size());
        return found;
    };
    using Found = std::vector<std::tuple<int, int, int, std::size_t>>;
    // Window 0: only the 10th (A, B; two methods) and the 20th (A, B; the
    // square alone) hold two swings.
    EXPECT_EQ(clusters(0, 1, 40), (Found{{10, 2, 2, 2}, {20, 2, 1, 2}}));
    // Window 1, swings within a day either side: 9th 2, 10th 3, 11th 3, 12th
    // 1; 19th 2, 20th 2, 21st 3, 22nd 1; 29th 1, 30th 2, 31st 2, 32nd 3,
    // 33rd 2. The 10th stands for the 11th (equal, earlier); the 21st and
    // the 32nd top their neighbours; the 19th and the 30th have none higher
    // about them, nor an equal one before. By swings, methods, then day.
    EXPECT_EQ(clusters(1, 1, 40),
              (Found{{10, 3, 3, 3}, {21, 3, 2, 3}, {32, 3, 2, 3}, {19, 2, 1, 2}, {30, 2, 1, 2}}));
    // Days outside the range still outrank their neighbours: the 11th stays
    // behind the 10th.
    EXPECT_EQ(clusters(1, 11, 20), (Found{{19, 2, 1, 2}}));
}
