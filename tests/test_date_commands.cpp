// quadrix-cli date and easter: outputs, exit statuses and argument checks.

#include "DateCommands.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Date(const std::string& text, const std::string& now, const std::string& mode = "date")
{
    std::ostringstream out, err;
    const int status = RunDateCommand(text, now, mode, out, err);
    return {status, out.str(), err.str()};
}

CommandRun Easter(const std::string& year)
{
    std::ostringstream out, err;
    const int status = RunEasterCommand(year, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(DateCommand, PrintsTheValueOrInvalid)
{
    const char* const now = "2012-03-05 10:30:00";
    const struct {
        const char* text;
        const char* mode;
        int status;
        const char* out;
    } rows[] = {{"tm", "date", 0, "2012-03-06 10:30:00\n"}, {"noon", "time", 0, "1899-12-30 12:00:00\n"},
        {"noon", "both", 0, "2012-03-05 12:00:00\n"}, {"noon", "date", 1, "invalid\n"},
        {"1899/12/30", "date", 0, "1899-12-30 00:00:00\n"}, {"not a date", "both", 1, "invalid\n"}};
    for (const auto& row : rows) {
        const CommandRun run = Date(row.text, now, row.mode);
        EXPECT_EQ(run.status, row.status) << row.text;
        EXPECT_EQ(run.out, row.out) << row.text;
        EXPECT_EQ(run.err, "") << row.text;
    }
}

TEST(DateCommand, WithoutNowUsesTheComputerClock)
{
    const CFixedNow stale(COleDateTime(2000, 1, 1));
    const CommandRun run = Date("today", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.substr(0, 10), "2000-01-01");
}

TEST(DateCommand, BadArgumentsExitWith2)
{
    const struct {
        const char* now;
        const char* mode;
    } rows[] = {{"2012-03-05 10:30:00", "week"}, {"2012-03-05", "date"}, {"2012-02-30 10:30:00", "date"},
        {"2012-03-05T10:30:00", "date"}, {"2012-03-05 10:30:00 ", "date"}, {"+012-03-05 10:30:00", "date"}};
    for (const auto& row : rows) {
        const CommandRun run = Date("today", row.now, row.mode);
        EXPECT_EQ(run.status, 2) << row.now << ' ' << row.mode;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, 13), "quadrix-cli: ");
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
}

TEST(EasterCommand, PrintsTheDateOrRefusesTheYear)
{
    const CommandRun easter = Easter("2012");
    EXPECT_EQ(easter.status, 0);
    EXPECT_EQ(easter.out, "2012-04-08\n");
    EXPECT_EQ(Easter("100").out, "0100-04-18\n");
    for (const char* year : {"", "99", "10000", "20x1", "-2012", "+2012", " 2012"}) {
        const CommandRun run = Easter(year);
        EXPECT_EQ(run.status, 2) << year;
        EXPECT_EQ(run.out, "") << year;
        EXPECT_NE(run.err, "") << year;
    }
}
