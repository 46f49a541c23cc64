// Price files of every layout, date form, encoding and order read into the
// same bars; bad rows named by file, line and column, or skipped by cause.

#include "BarFile.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kDay = 86400;
// 2024-01-02 and 2024-01-03 at midnight, in civil seconds.
constexpr std::int64_t kJan2 = 19724 * kDay;
constexpr std::int64_t kJan3 = kJan2 + kDay;

Bar B(std::int64_t time, double o, double h, double l, double c, std::optional<double> v = std::nullopt,
      std::optional<double> oi = std::nullopt)
{
    return Bar {time, o, h, l, c, v, oi};
}

BarFile::Contents Parse(const std::string& text, BarFile::Options options = {})
{
    const Result<BarFile::Contents> read = BarFile::Parse(text, "p.csv", options);
    EXPECT_TRUE(read.Ok()) << read.Message();
    return read.Ok() ? read.Value() : BarFile::Contents {};
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii)
        out += bigEndian ? std::string {'\0', c} : std::string {c, '\0'};
    return out;
}

const std::string kPlain = "Date,Open,High,Low,Close,Volume\n2024-01-02,10,12,9,11,500\n2024-01-03,11,13,10,12,600\n";
const std::vector<Bar> kPlainBars = {B(kJan2, 10, 12, 9, 11, 500), B(kJan3, 11, 13, 10, 12, 600)};

} // namespace

// Bars as a reader would write them, in the messages of failed checks.
void PrintTo(const Bar& bar, std::ostream* os)
{
    const auto optional = [](const std::optional<double>& v) { return v ? std::to_string(*v) : std::string("-"); };
    *os << bar.time << " " << bar.open << " " << bar.high << " " << bar.low << " " << bar.close << " "
        << optional(bar.volume) << " " << optional(bar.openInterest);
}

TEST(BarFile, EveryLayoutDateFormEncodingAndOrderGivesTheSameBars)
{
    const std::vector<Bar> closes = {B(kJan2, 11, 11, 11, 11), B(kJan3, 12, 12, 12, 12)};
    const std::vector<Bar> noVolume = {B(kJan2, 10, 12, 9, 11), B(kJan3, 11, 13, 10, 12)};
    struct Case {
        const char* what;
        std::string text;
        std::vector<Bar> bars;
        BarFile::Options options = {};
    };
    const std::vector<Case> cases = {
        {"comma, English header", kPlain, kPlainBars},
        {"UTF-8 byte order mark, CR LF, newest first, any case, adjusted close left out",
         "\xEF\xBB\xBF" "DATE,open,HIGH,Low,Close,Adj Close,Volume\r\n2024-01-03,11,13,10,12,99,600\r\n"
         "2024-01-02,10,12,9,11,98,500\r\n",
         kPlainBars},
        {"UTF-16 little-endian", Utf16(kPlain, false), kPlainBars},
        {"UTF-16 big-endian", Utf16(kPlain, true), kPlainBars},
        {"semicolon, decimal comma, DD.MM.YYYY, open interest",
         "Date;Open;High;Low;Close;Volume;Open Interest\n02.01.2024;10,0;12,5;9;11;500;7\n03.01.2024;11;13;10;12;600;8\n",
         {B(kJan2, 10, 12.5, 9, 11, 500, 7), B(kJan3, 11, 13, 10, 12, 600, 8)}},
        {"quoted thousands, MM/DD/YYYY told by a day past 12",
         "\"Date\",\"Open\",\"High\",\"Low\",\"Close\"\n\"01/02/2024\",\"1,010\",\"1,012.5\",\"1,009\",\"1,011\"\n"
         "\"01/13/2024\",10,12,9,11\n",
         {B(kJan2, 1010, 1012.5, 1009, 1011), B(kJan2 + 11 * kDay, 10, 12, 9, 11)}},
        {"DD/MM/YYYY told by a day past 12", "Date|Close\n02/01/2024|11\n13/01/2024|12\n",
         {B(kJan2, 11, 11, 11, 11), B(kJan2 + 11 * kDay, 12, 12, 12, 12)}},
        {"DD/MM/YYYY asked for", "Date,Close\n02/01/2024,11\n03/01/2024,12\n", closes, {"DD/MM/YYYY", "", false}},
        {"headerless ticker, YYYYMMDD, OHLCV", "ABC,20240102,10,12,9,11,500\nABC,20240103,11,13,10,12,600\n", kPlainBars},
        {"headerless blanks, YYYY/MM/DD, OHLC", "2024/1/2   10 12 9 11\n2024/01/03\t11 13 10 12\n", noVolume},
        {"headerless date and close", "2024.01.03,12\n2024.01.02,11\n", closes},
        {"Unix seconds in the instrument's zone, winter and summer",
         "time,open,high,low,close\n1704186000,10,12,9,11\n1719921600,10,12,9,11\n",
         {B(kJan2 + 4 * 3600, 10, 12, 9, 11), B(19906 * kDay + 8 * 3600, 10, 12, 9, 11)}, {"", "America/New_York", false}},
        {"Unix seconds in the computer's zone (Shanghai)", "time,close\n1704186000,11\n",
         {B(kJan2 + 17 * 3600, 11, 11, 11, 11)}},
        {"Unix milliseconds", "time,close\n1704186000000,11\n", {B(kJan2 + 9 * 3600, 11, 11, 11, 11)}, {"", "UTC", false}},
        {"ISO 8601 with an offset", "Date,Close\n2024-01-02T09:30:00+08:00,11\n2024-01-02T10:30Z,12\n",
         {B(kJan2 + 10 * 3600 + 1800, 11, 11, 11, 11), B(kJan2 + 19 * 3600 + 1800, 12, 12, 12, 12)},
         {"", "Asia/Tokyo", false}},
        {"ISO 8601 without an offset is the exchange's time", "Date,Close\n2024-01-02 09:30:15,11\n",
         {B(kJan2 + 9 * 3600 + 1815, 11, 11, 11, 11)}},
        {"time column HHMMSS, rows out of order",
         "Date,Time,Close\n20240102,093100,12\n20240102,93000,11\n",
         {B(kJan2 + 9 * 3600 + 1800, 11, 11, 11, 11), B(kJan2 + 9 * 3600 + 1860, 12, 12, 12, 12)}},
        {"angle brackets, tab, real volume over tick volume",
         "<DATE>\t<TIME>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\t<TICKVOL>\t<VOL>\t<SPREAD>\n"
         "2024.01.02\t09:30\t10\t12\t9\t11\t77\t500\t2\n",
         {B(kJan2 + 9 * 3600 + 1800, 10, 12, 9, 11, 500)}},
        {"headerless date, time, OHLCV", "2024-01-02,09:30,10,12,9,11,500\n", {B(kJan2 + 9 * 3600 + 1800, 10, 12, 9, 11, 500)}},
        {"a negative price is a price", "Date,Open,High,Low,Close\n2024-01-02,-1,2,-3.5,-2\n", {B(kJan2, -1, 2, -3.5, -2)}},
        {"identical duplicates collapse", kPlain + "2024-01-02,10,12,9,11,500\n", kPlainBars},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Parse(c.text, c.options).series.bars, c.bars);
    }
}

TEST(BarFile, ChineseSoftwareFileInGbkWithTitleAndSourceLines)
{
    const std::string text = "600000 浦发银行 日线 前复权\r\n"
                             "      日期\t    开盘\t    最高\t    最低\t    收盘\t    成交量\t    成交额\r\n"
                             "2024/01/02\t10.00\t12.00\t9.00\t11.00\t500\t5500.00\r\n"
                             "2024/01/03\t11.00\t13.00\t10.00\t12.00\t600\t7200.00\r\n"
                             "数据来源:通达信\r\n";
    const BarFile::Contents contents = Parse(CTextCodec::ToGbk(text));
    EXPECT_EQ(contents.series.bars, kPlainBars);
    EXPECT_FALSE(contents.series.intraday);
    EXPECT_EQ(contents.symbol, "600000");
    EXPECT_EQ(contents.name, "浦发银行");
    EXPECT_TRUE(Parse("Date,Time,Close\n2024-01-02,09:30,1\n").series.intraday);
    EXPECT_EQ(Parse("ABC,20240102,10,12,9,11,500\n").symbol, "ABC");
    EXPECT_EQ(Parse("XYZ Holdings daily\n2024-01-02,11\n").name, "Holdings");
}

TEST(BarFile, BadRowsAreNamedOrSkippedByCause)
{
    struct Case {
        std::string row; // the third line, after the header and one sound row
        std::string message;
    };
    const std::vector<Case> cases = {
        {"2024-01-0x,11,13,10,12", "p.csv, line 3, column 1: unreadable date: \"2024-01-0x\""},
        {"2023-02-29,11,13,10,12", "p.csv, line 3, column 1: unreadable date: \"2023-02-29\""},
        {"2024-01-03,11,1x,10,12", "p.csv, line 3, column 3: unreadable number: \"1x\""},
        {"2024-01-03,11,inf,10,12", "p.csv, line 3, column 3: non-finite price: \"inf\""},
        {"2024-01-03,11,9,10,9.5", "p.csv, line 3, column 3: high below low: \"9\""},
        {"2024-01-03,14,13,10,12", "p.csv, line 3, column 2: open or close outside the high-low range: \"14\""},
        {"2024-01-03,11,13,10,9", "p.csv, line 3, column 5: open or close outside the high-low range: \"9\""},
        {"2024-01-03,11,13", "p.csv, line 3, column 4: missing fields: \"2024-01-03,11,13\""},
        {"2024-01-02,10,12,9,11.5",
         "p.csv, line 3, column 1: duplicate time with different values: \"2024-01-02\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const std::string text = "Date,Open,High,Low,Close\n2024-01-02,10,12,9,11\n" + c.row + "\n2024-01-04,1,1,1,1\n";
        const Result<BarFile::Contents> stopped = BarFile::Parse(text, "p.csv", {});
        EXPECT_FALSE(stopped.Ok());
        EXPECT_EQ(stopped.Message(), c.message);
        const BarFile::Contents skipped = Parse(text, {"", "", true});
        const std::string cause = c.message.substr(c.message.find(": ") + 2, c.message.rfind(": ") - c.message.find(": ") - 2);
        const bool duplicate = cause.rfind("duplicate", 0) == 0;
        EXPECT_EQ(skipped.skipped, (std::map<std::string, long long> {{cause, duplicate ? 2 : 1}}));
        EXPECT_EQ(skipped.series.bars.size(), duplicate ? 1u : 2u);
    }
    EXPECT_EQ(BarFile::Parse("Date Time Close\n2024-01-02 25:00 11\n", "p.csv", {}).Message(),
              "p.csv, line 2, column 2: unreadable time: \"25:00\"");
    // Without a high column the close stands for the high.
    EXPECT_EQ(BarFile::Parse("Date,Low,Close\n2024-01-02,12,11\n", "p.csv", {}).Message(),
              "p.csv, line 2, column 3: high below low: \"11\"");
}

TEST(BarFile, WhatTheFileCannotTellIsAskedFor)
{
    const auto message = [](const std::string& text, BarFile::Options options = {}) {
        const Result<BarFile::Contents> read = BarFile::Parse(text, "p.csv", options);
        return read.Ok() ? std::string("read") : read.Message();
    };
    EXPECT_EQ(message("Date,Close\n02/01/2024,11\n03/01/2024,12\n"),
              "p.csv: no day passes 12, so the dates may be DD/MM/YYYY or MM/DD/YYYY; give the form with --date-format");
    EXPECT_EQ(message("Date,Close\n13/01/2024,11\n01/13/2024,12\n"),
              "p.csv: the dates mix DD/MM/YYYY and MM/DD/YYYY; give the form with --date-format");
    EXPECT_EQ(message("Date,Close\n2024-01-02,11\n", {"YYYY/DD", "", false}),
              "unknown date format \"YYYY/DD\"; one of YYYY-MM-DD, YYYYMMDD, DD.MM.YYYY, MM/DD/YYYY, DD/MM/YYYY, "
              "unix, unix-ms");
    EXPECT_EQ(message("Date,Close\n2024-01-02,11\n", {"", "Mars/Olympus", false}), "unknown time zone \"Mars/Olympus\"");
    EXPECT_EQ(BarFile::CheckOptions({"dd/mm/yyyy", "Europe/Paris", false}), "");
    EXPECT_EQ(message(""), "p.csv: no bars");
    EXPECT_EQ(message("Date,Close\n"), "p.csv: no bars");
    EXPECT_EQ(message("Date,Close\n2024-13-02,11\n"), "p.csv, line 2, column 1: unreadable date: \"2024-13-02\"");
    EXPECT_EQ(message("hello world\n"), "p.csv, line 1: neither a header nor a row of bars: \"hello world\"");
}

// Progress is told every 65536 rows, not for each; answering false stops the read.
TEST(BarFile, ProgressIsToldNowAndThenAndMayStopTheRead)
{
    std::string text = "Date,Close\n";
    constexpr int kRows = 70000;
    for (int day = 0; day < kRows; ++day)
        text += std::to_string((19000LL + day) * kDay) + ",1\n";
    std::vector<double> told;
    const Progress note = [&told](double fraction) { return told.push_back(fraction), true; };
    ASSERT_TRUE(BarFile::Parse(text, "p.csv", {"unix", "UTC", false}, note).Ok());
    EXPECT_EQ(told, (std::vector<double> {0, 65536.0 / kRows}));
    EXPECT_EQ(BarFile::Parse(text, "p.csv", {"unix", "UTC", false}, [](double) { return false; }).Message(),
              "p.csv: the import was cancelled");
}

// The heading comes from the top of any plain file, however large.
TEST(BarFile, OnlyPlainFilesOfBoundedSizeAreRead)
{
    char folder[] = "/tmp/test_bar_file.XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string dir = folder;
    const std::string fifo = dir + "/fifo", huge = dir + "/huge.csv", plain = dir + "/plain.csv",
                      ticker = dir + "/ticker.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(plain) << kPlain;
    std::ofstream(ticker) << "ABC,20240102,10,12,9,11,500\n";
    std::ofstream(huge) << "ES E-mini daily\n" << kPlain;
    std::filesystem::resize_file(huge, std::uintmax_t(2) << 30); // sparse: no disk used
    EXPECT_EQ(BarFile::Read(plain, {}).Value().series.bars, kPlainBars);
    for (const std::string& path : {dir, fifo, std::string("/dev/zero")})
        EXPECT_EQ(BarFile::Read(path, {}).Message(), path + ": not a regular file");
    EXPECT_EQ(BarFile::Read(huge, {}).Message(), huge + ": too large (2147483648 bytes)");
    const auto heading = [](const std::string& path) {
        const BarFile::Contents top = BarFile::ReadHeading(path);
        EXPECT_TRUE(top.series.bars.empty());
        return top.symbol + "|" + top.name;
    };
    EXPECT_EQ(heading(huge), "ES|E-mini");
    EXPECT_EQ(heading(ticker), "ABC|");
    for (const std::string& path : {plain, fifo, dir + "/missing.csv"})
        EXPECT_EQ(heading(path), "|") << path;
    std::filesystem::remove_all(dir);
}
