// quadrix-cli end to end: its interface is part of the product, so these
// tests run the real executable and read what it prints.

#include "ChartPropertyRules.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs the tool with arguments (already shell-quoted where needed); stderr
// goes to the same pipe when mergeErr is set, and then stdout where out says.
CliRun RunCli(const std::string& args, bool mergeErr = false, const std::string& out = "")
{
    const std::string command = std::string(QUADRIX_CLI) + " " + args + (mergeErr ? " 2>&1" : " 2>/dev/null") + out;
    CliRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The run fails with status and one line that holds message.
void ExpectFailure(const std::string& args, int status, const char* message, const std::string& out = "")
{
    const CliRun r = RunCli(args, true, out);
    EXPECT_TRUE(r.status == status && r.out.find(message) != std::string::npos
                && std::count(r.out.begin(), r.out.end(), '\n') == 1) << args << ": " << r.status << " " << r.out;
}

// What a run that must succeed printed, as JSON.
nlohmann::json Json(const std::string& args)
{
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 0) << args;
    return nlohmann::json::parse(r.out);
}

std::string FileStart(const std::string& path, size_t n)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {}).substr(0, n);
}

std::string TempPath(const std::string& name) { return std::string(QUADRIX_TEST_TMP) + "/" + name; }

} // namespace

TEST(CliBasics, HelpVersionAndEveryCommandsUsageErrorsExitingTwo)
{
    const CliRun help = RunCli("--help");
    EXPECT_TRUE(help.status == 0 && help.out.find("render") != std::string::npos
                && help.out.find("--calendar-ring") != std::string::npos) << help.out;

    EXPECT_EQ(RunCli("--version").out, std::string("quadrix-cli ") + QUADRIX_VERSION_TEXT + "\n");

    // The manual page documents every option the tool takes (but Qt's own --help-all).
    const std::string man = FileStart(QUADRIX_CLI_MAN, std::string::npos);
    std::istringstream helpLines(help.out);
    const std::regex optionLine("^.{0,7}?--([^ <]*)"); // an option's first line: its "--" in the first 8 columns
    std::smatch option;
    for (std::string line; std::getline(helpLines, line);) {
        if (std::regex_search(line, option, optionLine) && option[1] != "help-all") {
            const std::string roff = "\\-\\-" + std::regex_replace(option[1].str(), std::regex("-"), "\\-");
            EXPECT_NE(man.find(roff), std::string::npos) << roff; // as roff writes the option's dashes
        }
    }

    const std::pair<std::string, const char*> bad[] = {{"cells --bogus", "bogus"}, {"cells --rings 0", "--rings"},
        {"cells --rings ten", "--rings"}, {"cells --kind octagon", "--kind"}, {"cells --date 2012-02-30", "--date"},
        {"cells --period year", "--period"}, {"cells --labels price,colour", "--labels"},
        {"cells --digits 6", "--digits"}, {"cells --client 10,10,5,5", "--client"}, {"cells --zoom 0", "--zoom"},
        {"cells --start nan", "--start"}, {"hit 1", "hit"}, {"render", "--out"}, {"", "command"},
        {"paint", "unknown command"}, {"hit 0 0 --format csv", "--format"}, {"dump", "dump takes"},
        {"write x.json", "write takes"}, {"easter", "easter takes"}, {"end 2012/01/31", "two operands"},
        {"date tm --mode sometimes", "--mode"}, {"trace --city Beijing", "go with --planets"},
        {"cells --planets '2024-03-20 12:00:00'", "render and trace"}, {"find", "one pivot"},
        {"find --price 1 --n 2", "one pivot"}, {"find --n two", "--n"}, {"find --price nan", "--price"},
        {"targets --kind master --n 1", "angles"}, {"targets --n 2 --angles 90,720", "--angles"},
        {"targets --n 2 --turns -1", "--turns"}, {"targets --n 2 --format xml", "--format"},
        {"find --n 2 --turns 1", "find takes no"}, {"cells --price 3", "find and targets"},
        {"cells --date 2012-01-01 --start-date 2012-01-02", "give one"},
        {"cells --kind " + std::string(100000, 'x'), "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026'"},
        {"degree 1e308", "out of range: it must lie from -3.40282e+38 to 3.40282e+38"},
        {"cells --symbol W --zigzag 10", "go with render and trace"}, {"trace --zigzag 10", "go with --symbol S"},
        {"trace --symbol W", "give one of --zigzag"}, {"render --pages 2x2 --cell-mm 5 --out x.pdf", "not both"},
        {"render --pages 2x2 --out x.png", "write a .pdf file"}, {"render --cell-mm 0 --out x.pdf", "--cell-mm takes"},
        {"render --pages 0x2 --out x.pdf", "at least 1"}, {"render --pages 2 --out x.pdf", "--pages takes"},
        {"render --pages 21x20 --out x.pdf", "at most 400"}, {"render --paper A5 --out x.pdf", "--paper takes"},
        {"render --pages 2x2 --overlap -1 --out x.pdf", "--overlap takes"},
        {"render --pages 2x2 --overlap 95 --out x.pdf", "less than half"},
        {"render --rings 40 --cell-mm 80 --out x.pdf", "more than 400"}, {"cells --landscape", "go with render"},
        {"render --cell-mm 5 --dpi 20 --out x.png", "--dpi takes"}, {"render --cell-mm 5 --dpi 90 --out x.pdf", "--dpi goes"},
        {"render --dpi 300 --out x.png", "--dpi goes"}, {"render --cell-mm 5 --dpi 96 --out x.svg", "--dpi goes"},
        {"render --cell-mm 5 --overview --out x.svg", "write a .pdf file"}, {"render --cell-mm 5 --out x.bmp", "--cell-mm writes"},
        {"render --cell-mm 100 --out x.png", "more than 16384; give a smaller --cell-mm or --dpi"},
        {"render --caption yes --out x.pdf", "--caption takes on or off"}, {"trace --caption on", "--caption goes with render"},
        {"render --lang fr --out x.pdf", "--lang takes zh or en"}};
    for (const auto& [args, message] : bad)
        ExpectFailure(args, 2, message);
    std::string angles = "1";
    for (int theta = 2; theta <= 50; ++theta)
        angles += "," + std::to_string(theta);
    ExpectFailure("targets --n 2 --turns 1000 --angles " + angles, 2, "at most 100000 targets");
    EXPECT_LT(RunCli("cells --kind " + std::string(100000, 'x'), true).out.size(), 200u);

    // Every command that lays a chart out refuses one that would draw
    // nothing, or whose prices overflow, rather than print zeros and inf.
    const std::pair<std::string, const char*> refused[] = {
        {"find --n 2 --rings 450", "450 rings leave cells under one unit on a 1000-unit canvas; give --canvas 1001"},
        {"render --rings 1000 --out /dev/null", "give --canvas 2101 or more, and a smaller --zoom"},
        {"cells --rings 1000 --format csv", "--canvas 2101"}, {"hit 0 0 --kind wheel --rings 351", "--canvas"},
        {"trace --kind hexagon --rings 451", "--canvas"}, {"targets --n 3 --kind four --rings 450", "--canvas"},
        {"cells --rings 10 --client 0,0,20,20", "give a larger --client and --canvas"},
        {"cells --rings 2 --start 3e38 --step 1e37", "price of cell 25 beyond \u00B13.40282e+38"},
        {"render --canvas 2048 --zoom 8 --out " + TempPath("large.pdf"), "give --caption off or a smaller --zoom"}};
    for (const auto& [args, message] : refused)
        ExpectFailure(args, 1, message);
    EXPECT_EQ(RunCli("find --n 2 --rings 449 --canvas 1000").status, 0);
}

TEST(CliCells, OneObjectPerCellLabelledByTheOptionsTheCsvTableAndHitAgree)
{
    const nlohmann::json cells = Json("cells --rings 1 --labels n");
    ASSERT_EQ(cells.size(), 9u);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(cells[i]["n"] == i + 1 && cells[i]["label"] == std::to_string(i + 1)) << cells[i];
    // Clockwise by default: 2 left of 1. Each label in its own colour.
    EXPECT_LT(cells[1]["x"].get<int>(), cells[0]["x"].get<int>());
    EXPECT_GT(Json("cells --rings 1 --labels n --clockwise off")[1]["x"].get<int>(), cells[0]["x"].get<int>());
    EXPECT_TRUE(cells[0]["color"] == 0x0000FF && cells[1]["color"] == 0xFF0000) << cells;

    // Labels follow the chart options.
    EXPECT_EQ(Json("cells --rings 2 --start 100 --step 0.25 --digits -1 --labels price,time,n "
                   "--date 2011-12-30")[1]["label"], "100.25\n11/12/31\n2");

    EXPECT_EQ(Json("cells --rings 2 --labels standard,n")[0]["label"], "1/1\n1");
    EXPECT_EQ(Json("cells --rings 1 --labels none")[4]["label"], "");

    // The table's last column is the labels' date (the year shown where the
    // paint order meets a new one), its numbers and centres the JSON's; every
    // --start-date is cell 1's, and the text ends with its line.
    for (const char* kind : {"nine", "four", "hexagon", "wheel", "master"}) {
        const std::string options = std::string(" --kind ") + kind + " --rings 3 --labels time --start-date 2012-12-20";
        const std::string text = RunCli("cells --format csv --time-step 2" + options).out;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        std::istringstream csv(text);
        std::string line;
        std::getline(csv, line);
        EXPECT_EQ(line, "\xEF\xBB\xBFn,price,date,ring,angle,x,y,label_date\r"); // the JSON's keys, not the window's titles
        for (const nlohmann::json& cell : Json("cells --time-step 2" + options)) {
            std::getline(csv, line);
            std::istringstream fields(line);
            std::string n, price, date, ring, angle, x, y, label;
            for (std::string* f : {&n, &price, &date, &ring, &angle, &x, &y, &label})
                std::getline(fields, *f, ',');
            EXPECT_EQ(label, cell["label"].get<std::string>() + "\r") << kind << " " << n;
            EXPECT_EQ(n + " " + x + " " + y, cell["n"].dump() + " " + cell["x"].dump() + " " + cell["y"].dump());
            EXPECT_TRUE(n != "2" || date == "2012-12-22") << kind << " " << date;
        }
        EXPECT_FALSE(std::getline(csv, line)) << kind;
    }

    // hit agrees with the centres and takes --date as the chart properties dialog
    // takes it, and no other.
    for (const char* date : {"2012-02-29", "2012/02/29", "0001-01-01", "9999-12-31", "2012-1-5", " 2012-02-29",
             "+2012-02-29", "2012-02-30", "0000-01-01", "10000-01-01"}) {
        const bool dialog = ChartPropertyRules::Confirm({"10", "1", "1", "1", date}).values.Ok();
        for (const char* option : {" --date '", " --start-date '"})
            EXPECT_EQ(RunCli(std::string("hit 0 0") + option + date + "'").status == 0, dialog) << date;
    }

    const nlohmann::json three = Json("cells --rings 3 --calendar-ring");
    for (const int n : {1, 2, 9, 10, 25, 26, 49}) {
        const auto& cell = three[n - 1];
        const CliRun r = RunCli("hit --rings 3 --calendar-ring -- " + std::to_string(cell["x"].get<int>()) + " " +
                             std::to_string(cell["y"].get<int>()));
        EXPECT_EQ(r.out, std::to_string(n) + "\n");
    }
    EXPECT_EQ(RunCli("hit -- -100 40").status, 0);
}

// Each format with every kind of figure; what the files hold is the export's.
TEST(CliCommands, RenderTraceAndEachOtherReachItsCodeAndFailWithItsStatus)
{
    const std::string figures = "render --rings 3 --calendar-ring --angle-ring --overlays triangle,squares,divisions";
    for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
        const std::string path = TempPath(name);
        std::remove(path.c_str());
        EXPECT_TRUE(RunCli(figures + " --out " + path).status == 0 && FileStart(path, 4).size() == 4) << name;
    }
    EXPECT_EQ(RunCli("render --out " + TempPath("chart.bmp")).status, 1); // that nothing is left is the export's test

    // One picture by cell size: at --dpi 96 the PNG is as wide as the SVG,
    // whose units are CSS pixels; at 192 twice as wide.
    const auto width = [](const std::string& name, const std::string& options) {
        const std::string path = TempPath(name);
        std::remove(path.c_str());
        EXPECT_EQ(RunCli("render --rings 10 --cell-mm 5 " + options + " --out " + path).status, 0) << options;
        const std::string head = FileStart(path, 400);
        std::smatch svg;
        if (std::regex_search(head, svg, std::regex(R"re(<svg [^>]*width="([0-9]+)")re")))
            return std::stoi(svg[1]);
        int png = 0; // the first four bytes of the PNG's header chunk
        for (std::size_t i = 16; i < 20 && i < head.size(); ++i)
            png = png << 8 | static_cast<unsigned char>(head[i]);
        return png;
    };
    const int svgWidth = width("cells.svg", "");
    EXPECT_GT(svgWidth, 21 * 5 / 25.4 * 96); // 21 cells of 5 mm across, and the margins
    EXPECT_EQ(width("cells96.png", "--dpi 96"), svgWidth);
    EXPECT_NEAR(width("cells192.png", "--dpi 192"), 2 * svgWidth, 1);

    std::istringstream lines(RunCli("trace --rings 1 --angle-ring").out);
    int count = 0, texts = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const nlohmann::json op = nlohmann::json::parse(line);
        ASSERT_TRUE(op.contains("op") && (op["op"] != "lineto" || op.contains("pen"))) << line;
        texts += op["op"] == "text";
    }
    EXPECT_GT(count, 360); // the angle ring alone draws 360 ticks
    EXPECT_EQ(texts, 9 + 36); // nine labels and the ring's 36 figures

    // The planet ring draws from the astrology report's place options; a sky
    // that cannot be computed gives no picture, not one without its ring.
    const CliRun trace = RunCli("trace --angle-ring --planets '2024-03-20 12:00:00' --bias -480 --lat 39.9 --lon 116.4");
    EXPECT_TRUE(trace.status == 0 && trace.out.find("\"text\":\"\u2647\"") != std::string::npos) << trace.status;
    const std::string png = TempPath("planets.png");
    ExpectFailure("render --planets '9000-01-01 00:00:00' --city Beijing --out " + png, 1,
                  "no ephemeris for that date: the installed data files cover the years 1800 to 2399, and the "
                  "library's analytic model, used outside them, reaches only to about the year 3000");
    EXPECT_FALSE(std::ifstream(png).good());
    ExpectFailure("render --planets '2024-03-20 12:00:00' --city Atlantis --out " + png, 1,
                  "no city named 'Atlantis' in ");

    // A stored market's swings are marked over the chart: a ring each (its
    // cells are the marks' test), in the picture too.
    const std::string store = TempPath("marks.sqlite"), bars = TempPath("marks.csv");
    std::remove(store.c_str());
    std::ofstream(bars) << "Date,Open,High,Low,Close\n2024-01-01,5,5,5,5\n2024-01-02,20,20,20,20\n"
                           "2024-01-03,8,8,8,8\n2024-01-04,30,30,30,30\n";
    ASSERT_EQ(RunCli("import " + bars + " --symbol W --name 'Wheat Index' --store " + store).status, 0);
    const std::string chart = "trace --rings 3 --calendar-ring";
    const auto ellipses = [](const std::string& ops) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = ops.find("\"op\":\"ellipse\"", at)) != std::string::npos; ++at)
            ++n;
        return n;
    };
    const std::string marked = " --symbol W --store " + store + " --zigzag 10";
    EXPECT_EQ(ellipses(RunCli(chart + marked).out), ellipses(RunCli(chart).out) + 4);
    ExpectFailure(chart + " --symbol X --store " + store + " --zigzag 10", 1, "X");
    const std::string marks = TempPath("marks.png");
    std::remove(marks.c_str());
    EXPECT_TRUE(RunCli("render --rings 3" + marked + " --out " + marks).status == 0 && FileStart(marks, 4) == "\x89PNG");

    // The caption below a one-page chart: a PDF's by default, a PNG's when
    // asked, each picture taller than the 600-pixel chart by its lines. In an
    // SVG it is text, naming the marks' instrument.
    const auto height = [](const std::string& path) {
        const std::string file = FileStart(path, std::string::npos);
        std::smatch box;
        if (std::regex_search(file, box, std::regex(R"(/MediaBox \[0 0 [0-9.]+ ([0-9]+))")))
            return std::stoi(box[1]);
        const auto byte = [&file](std::size_t i) { return i < file.size() ? static_cast<unsigned char>(file[i]) : 0; };
        return byte(20) << 24 | byte(21) << 16 | byte(22) << 8 | byte(23); // the PNG header's height
    };
    const std::tuple<const char*, const char*, bool> captions[] = {{"caption.pdf", "", true},
        {"caption.pdf", " --caption off", false}, {"caption.png", "", false}, {"caption.png", " --caption on", true}};
    for (const auto& [name, option, captioned] : captions) {
        const std::string path = TempPath(name);
        std::remove(path.c_str());
        ASSERT_EQ(RunCli("render --rings 3" + std::string(option) + " --out " + path).status, 0) << name << option;
        EXPECT_EQ(height(path) > 600, captioned) << name << option << ": " << height(path);
    }
    const std::string svg = TempPath("caption.svg");
    ASSERT_EQ(RunCli("render --rings 3 --caption on" + marked + " --out " + svg).status, 0);
    const std::string svgText = FileStart(svg, std::string::npos);
    EXPECT_TRUE(svgText.find(">九方图<") != std::string::npos && svgText.find(">W Wheat Index · <") != std::string::npos);

    // Each command reaches its own code, whose outputs are tested there.
    const std::string now = " --now '2012-03-05 10:00:00'";
    const std::pair<std::string, const char*> answers[] = {{"date next friday" + now, "2012-03-09 10:00:00\n"},
        {"easter 2049", "2049-04-18\n"}, {"degree 1000", "67.10 64.69 280.00 240.00\n"},
        {"span 2012/03/05 'next friday'" + now, "4\n"}, {"end 2012/01/31 1 --unit month", "2012/02/29\n"},
        {"start 2012/03/31 1 --unit month", "2012/02/29\n"}};
    for (const auto& [args, out] : answers)
        EXPECT_EQ(RunCli(args).out, out) << args;
    EXPECT_EQ(RunCli("cities").out.rfind("Beijing\tChina\t-480\t", 0), 0u);

    // find and targets: the pivot by price, date or number, exit 1 for none;
    // --date is the pivot there and --start-date cell 1's.
    EXPECT_EQ(Json("find --rings 3 --date 2012-11-17 --start-date 2012-11-15"),
              nlohmann::json::parse(R"({"n":3,"price":3,"date":"2012-11-17","ring":1,"angle":135,"x":370,"y":370})"));
    EXPECT_TRUE(Json("find --kind master --n 2")["angle"].is_null());

    const nlohmann::json targets = Json("targets --n 2 --angles 90,0 --turns 2");
    ASSERT_EQ(targets.size(), 5u); // walking back from 2 ends at the centre, (0, 0) is the pivot
    EXPECT_TRUE(targets[0]["turns"] == 0 && targets[0]["n"] == 4 && targets[4]["n"] == 28) << targets;
    const std::string targetsCsv = RunCli("targets --n 2 --format csv").out;
    EXPECT_TRUE(targetsCsv.rfind("\xEF\xBB\xBFturns,", 0) == 0 && targetsCsv.substr(targetsCsv.size() - 2) == "\r\n");

    ExpectFailure("find --rings 3 --price 5000", 1, "price 5000");
    ExpectFailure("targets --n 50 --rings 3", 1, "number 50");
    ExpectFailure("targets --kind wheel --n 1 --angles -15 --turns 0 --format ics", 1, "no target");
}

// dump shows what the file holds; drawing bounds it.
TEST(CliChartFile, WriteDumpAndDrawFromTheFileBoundingItsValuesBadFilesExitOne)
{
    const std::string json = TempPath("set.json"), rtl = TempPath("set.rtl");
    std::ofstream(json) << R"({"nine": {"m_nRings": 2, "m_bShowPrice": false, "m_bShowN": true, "m_fZoom": 20,
        "m_nDecimals": 9, "m_Comments": [{"cell": 5, "m_strText": "第一行\n  second", "m_strFace": "宋体"}]},
        "hexagon": {"m_nRings": 3}, "four": {"m_fZoom": 0}, "wheel": {"m_nRings": 2147483647},
        "master": {"m_nRings": 2, "m_fStartPrice": 1.5, "m_nNaturalDecimals": 1000000000, "m_nDecimals": -1}})";
    ASSERT_EQ(RunCli("write " + json + " " + rtl).status, 0);

    const nlohmann::json set = Json("dump " + rtl);
    EXPECT_TRUE(set["nine"]["version"] == 1 && set["nine"]["m_nDecimals"] == 9) << set;

    // The file's ring count and labels, then an option over them. Zoom 20 is
    // no picture of 1000 units within 16384 pixels: lowered, and said so.
    const CliRun nine = RunCli("cells --file " + rtl, true);
    EXPECT_TRUE(nine.status == 0 && nine.out.rfind("quadrix-cli: note: " + rtl + ": the chart's zoom 20 gives a "
                                                   "picture over 16384 pixels; drawn at zoom 16.384\n", 0) == 0)
        << nine.out;
    const nlohmann::json cells = Json("cells --file " + rtl);
    EXPECT_TRUE(cells.size() == 9 && cells[8]["label"] == "9") << cells;
    EXPECT_EQ(Json("cells --file " + rtl + " --rings 2").size(), 25u);
    EXPECT_EQ(Json("cells --file " + rtl + " --kind hexagon").size(), 36u);
    EXPECT_NE(RunCli("trace --file " + rtl).out.find("second"), std::string::npos); // the note is drawn
    EXPECT_EQ(Json("cells --kind master --file " + rtl)[0]["label"], "1.50000");

    const std::string damaged = TempPath("damaged.rtl"), bad = TempPath("bad.json"), none = TempPath("none.rtl");
    const std::string fifo = TempPath("pipe.json"), bigJson = TempPath("big.json"), big = TempPath("big.rtl");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::ofstream(damaged) << "22 serialization::archive 9 -1 -1 2 1 0\n0 0 1 11 1";
    std::ofstream(bad) << R"({"nine": {"m_nRings": "ten"}})";
    std::ofstream(none) << "22 serialization::archive 9 -1 -1 -1 -1 -1\r\n";
    std::ofstream(bigJson) << R"({"nine": {"m_nRings": 1001}})";
    ASSERT_EQ(RunCli("write " + bigJson + " " + big).status, 0);
    // The FIFO hangs, for CTest to stop, if it is read.
    const std::pair<std::string, const char*> failures[] = {{"dump " + damaged, "cut short"},
        {"dump " + TempPath("missing.rtl"), "Cannot read"}, {"cells --file " + damaged, "cut short"},
        {"cells --file " + none, "holds no chart of kind nine"},
        {"cells --kind four --file " + rtl, "the chart's zoom 0 gives no picture"},
        {"cells --kind wheel --file " + rtl, "wheel chart's 2147483647 rings lie outside the 1 to 1000"},
        {"render --out /dev/null --file " + big, "chart's 1000 rings leave cells under one unit on a 1000-unit canvas"},
        {"write " + bad + " " + TempPath("out.rtl"), "nine.m_nRings"},
        {"write " + json + " /nonexistent-folder/out.rtl", "Cannot create"},
        {"write " + fifo + " " + TempPath("out.rtl"), "not a regular file"}};
    for (const auto& [args, message] : failures)
        ExpectFailure(args, 1, message);

    // Names are bytes: one that is not UTF-8 names the file it says.
    const std::string raw = TempPath("set\xff.rtl"), other = TempPath("set\xfe.rtl");
    ASSERT_EQ(RunCli("write " + json + " '" + raw + "'").status, 0);
    EXPECT_EQ(Json("dump '" + raw + "'")["hexagon"]["m_nRings"], 3);
    EXPECT_EQ(Json("cells --file '" + raw + "'").size(), 9u);
    ExpectFailure("dump '" + other + "'", 1, "Cannot read");
    const std::string picture = TempPath("chart\xff.png");
    ASSERT_EQ(RunCli("render --rings 1 --out '" + picture + "'").status, 0);
    EXPECT_EQ(FileStart(picture, 4), "\x89PNG");
}

// Output that does not reach its reader fails every command that prints,
// with one line; a command that prints nothing does not care.
TEST(CliOutput, AFullDiskOrAClosedStandardOutputFailsTheCommand)
{
    const char* const printing[] = {"--help", "--version", "cells --rings 3", "targets --n 2 --format ics",
        "find --n 2", "hit 0 0", "trace --rings 1", "degree 1000", "cities",
        "astro --date '2011-11-24 10:30:00' --city Beijing"};
    for (const char* args : printing)
        for (const char* out : {" >/dev/full", " >&-"})
            ExpectFailure(args, 1, "quadrix-cli: cannot write the output", out);
    const std::string png = TempPath("closed.png");
    EXPECT_EQ(RunCli("render --rings 1 --out " + png, false, " >&-").status, 0);
}


TEST(CliPane, DrawsAStoredHistoryWithItsSwingsAndTheTargetsThatTargetsPrints)
{
    const std::string store = TempPath("pane.sqlite");
    const std::string csv = TempPath("pane.csv");
    std::remove(store.c_str());
    {
        // Forty days up from 100 to 139, then forty down to 100.
        std::ofstream out(csv);
        out << "Date,Open,High,Low,Close\n";
        for (int d = 0; d < 80; ++d) {
            const int p = d < 40 ? 100 + d : 179 - d;
            char line[64];
            std::snprintf(line, sizeof line, "2024-%02d-%02d,%d,%d,%d,%d\n", 1 + d / 28, 1 + d % 28, p, p + 1, p - 1, p);
            out << line;
        }
    }
    ASSERT_EQ(RunCli("import " + csv + " --symbol P --store " + store).status, 0);

    const std::string pivot = " --price 120 --start 100 --step 1 --angles 90,180";
    const std::string png = TempPath("pane.png");
    std::remove(png.c_str());
    EXPECT_EQ(RunCli("pane P --store " + store + " --zigzag 10 --size 800x300 --out " + png + pivot).status, 0);
    EXPECT_EQ(FileStart(png, 8), "\x89PNG\r\n\x1A\n");

    // Each target's price line is labelled with its angle, turn and price.
    const CliRun trace = RunCli("pane P --store " + store + " --zigzag 10 --trace --style line" + pivot);
    ASSERT_EQ(trace.status, 0);
    std::vector<std::string> texts;
    std::istringstream lines(trace.out);
    for (std::string line; std::getline(lines, line);) {
        const nlohmann::json op = nlohmann::json::parse(line);
        if (op["op"] == "text")
            texts.push_back(op["text"]);
    }
    const auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has("140 2024-02-12") && has("99 2024-01-01")) << trace.out.substr(0, 2000);
    for (const nlohmann::json& target : Json("targets --format json" + pivot)) {
        const double price = target["price"];
        if (price < 99 || price > 140)
            continue;
        char label[64];
        std::snprintf(label, sizeof label, "%g\u00B0 %+d %.6g", target["theta"].get<double>(),
                      target["turns"].get<int>(), price);
        EXPECT_TRUE(has(label)) << label;
    }

    ExpectFailure("pane P --store " + store + " --style area --trace", 2, "--style");
    ExpectFailure("pane P --store " + store + " --trace --out " + png, 2, "one of --out FILE or --trace");
    ExpectFailure("pane Q --store " + store + " --trace", 1, "Q");
}
