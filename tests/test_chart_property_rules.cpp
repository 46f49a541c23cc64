// The rules of the chart properties dialog. CTest runs this with TZ=Asia/Shanghai.

#include "ChartHost.h"
#include "ChartPropertyRules.h"
#include "GridChart.h"
#include "LocalMidnight.h"
#include "PivotInput.h"
#include "UiText.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace CR = ChartPropertyRules;

namespace {

// 2012-02-29 00:00 in Shanghai (UTC+8, no daylight saving).
constexpr std::int64_t kLeapDayMidnight = 1330444800;

class CountingHost : public CChartHost {
public:
    void InvalidateChart() override { ++invalidations; }
    void ShowHandCursor() override { }
    bool EditComment(Comments&) override { return false; }
    int invalidations = 0;
};

} // namespace

// Each bad field refused with its message; bounds, blanks, signs and any
// single date separator accepted.
TEST(ChartPropertyConfirm, RefusesEachBadFieldWithItsMessageAndAcceptsTheRest)
{
    const CR::Texts good {"10", "1", "100", "0.25", "2012-02-29"};
    // One field of good texts spoilt at a time: the field and message of the
    // first check that fails.
    const struct {
        std::string CR::Texts::*field;
        CR::Field failed;
        std::string message;
        std::vector<const char*> texts;
    } cases[] = {
        {&CR::Texts::rings, CR::Field::Rings, "Enter an integer between 3 and 40.", {"2", "41"}},
        {&CR::Texts::rings, CR::Field::Rings, CR::kEnterInteger, {"abc", "12abc", "99999999999"}},
        {&CR::Texts::timeStep, CR::Field::TimeStep, CR::kEnterInteger, {"x"}},
        {&CR::Texts::start, CR::Field::Start, CR::kEnterNumber, {"abc", "1.5x"}},
        {&CR::Texts::step, CR::Field::Step, CR::kEnterNumber, {"nan", "-inf", "1e39"}}, // 1e39: beyond a float
        {&CR::Texts::startDate, CR::Field::StartDate, CR::kDateFormat, {"2012-1-5", " 2012-02-29"}},
        // The last has ten characters but more bytes: checked, not refused for its length.
        {&CR::Texts::startDate, CR::Field::StartDate, CR::kDateInvalid,
            {"2012-02-30", "2013-02-29", "1900-02-29", "2012-04-31", "2012-13-01", "0000-01-01", "abcd-ef-gh",
                "2012002029", "2012年02月29"}},
    };
    for (const auto& c : cases)
        for (const char* text : c.texts) {
            CR::Texts texts = good;
            texts.*c.field = text;
            const CR::Confirmed r = CR::Confirm(texts);
            EXPECT_FALSE(r.values.Ok()) << text;
            EXPECT_EQ(r.field, c.failed) << text;
            EXPECT_EQ(r.values.Message(), c.message) << text;
        }

    const CR::Confirmed r = CR::Confirm({" 40 ", "-3", "+2", "-.25", "2012/02/29"});
    ASSERT_TRUE(r.values.Ok()) << r.values.Message();
    const CR::Values& v = r.values.Value();
    EXPECT_EQ(std::make_tuple(v.rings, v.timeStep, v.start, v.step), std::make_tuple(40, -3, 2.0f, -0.25f));
    EXPECT_TRUE(CR::Confirm({"3", "0", "0", "0", "2000-02-29"}).values.Ok());
    for (const char* text : {"2012-02-29", "2012/02/29", "2012.02.29", "2012 02 29"})
        EXPECT_EQ(LocalMidnight(text), kLeapDayMidnight) << text;
}

TEST(ChartPropertyTexts, NumbersAtSixSignificantDigitsAndTheLocalDate)
{
    EXPECT_EQ(CR::FormatNumber(1234567.0f), "1.23457e+06");
    EXPECT_EQ(CR::FormatNumber(0.05f), "0.05");
    EXPECT_EQ(CR::StartDateText(kLeapDayMidnight), "2012-02-29");
    EXPECT_EQ(CR::StartDateText(kLeapDayMidnight - 1), "2012-02-28");
    EXPECT_EQ(CR::StartDateText(kLeapDayMidnight + 86399), "2012-02-29");
}

// The other values written are the dialog's test.
TEST(ChartPropertyApply, WritesTheLocalMidnightAndRepaintsOnce)
{
    CountingHost host;
    CGridChart chart;
    chart.m_pView = &host;
    CR::Apply(chart, CR::Confirm({"12", "7", "0.5", "0.05", "2012-02-29"}).values.Value());
    EXPECT_EQ(chart.m_tStartTime, kLeapDayMidnight);
    EXPECT_EQ(chart.m_nNaturalDecimals, 2);
    EXPECT_EQ(host.invalidations, 1);

    // Time step 0 gives every cell the same date.
    CR::Apply(chart, CR::Confirm({"10", "0", "1", "1", "2012-02-29"}).values.Value());
    for (int n : {1, 2, 50}) {
        chart.m_nLastYear = 0;
        EXPECT_EQ(chart.CellDate(n), "12/2/29") << n;
    }
}

// What 查找 and the target panel take from the user.
TEST(PivotInput, ReadsAPriceDateOrNumberAndAnAngleListOrSaysWhy)
{
    using By = CellQuery::By;
    const struct {
        By by;
        const char* text;
        bool ok;
    } queries[] = {
        {By::Price, " 12.5 ", true}, {By::Price, "nan", false}, {By::Price, "1e999", false},
        {By::Price, "12,5", false}, {By::Date, "2012-02-29", true}, {By::Date, "2013-02-29", false},
        {By::Number, "+40", true}, {By::Number, "0", false}, {By::Number, "99999999999", false},
    };
    for (const auto& q : queries) {
        const Result<CellQuery> read = PivotInput::ReadQuery(q.by, q.text);
        ASSERT_EQ(read.Ok(), q.ok) << q.text;
        EXPECT_TRUE(
            !q.ok || read.Value().price == 12.5 || read.Value().day == kLeapDayMidnight || read.Value().number == 40)
            << q.text;
    }
    EXPECT_EQ(PivotInput::ReadAngles("45, 90 -719.5\t360").Value(), (std::vector<double>{45, 90, -719.5, 360}));
    for (const char* bad : {"", " , ", "720", "45;90", "inf"})
        EXPECT_FALSE(PivotInput::ReadAngles(bad).Ok()) << bad;
    std::string tooMany;
    for (size_t i = 0; i <= PivotInput::kMaxAngles; ++i)
        tooMany += "1,";
    EXPECT_FALSE(PivotInput::ReadAngles(tooMany).Ok());
    EXPECT_EQ(PivotInput::ReadAngles(PivotInput::AnglesText(DefaultTargetAngles())).Value(), DefaultTargetAngles());

    // The message names the user's text as typed, in the window's language,
    // even where that text looks like a placeholder.
    EXPECT_EQ(PivotInput::ReadQuery(By::Price, "%2%1").Message(), "价格须为数字，不是“%2%1”");
    SetUiTranslator([](const char*, const char*) { return std::string("not a price: %1"); });
    EXPECT_EQ(PivotInput::ReadQuery(By::Price, "%2%1").Message(), "not a price: %2%1");
    SetUiTranslator(nullptr);
}
