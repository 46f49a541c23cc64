// quadrix-cli: the scriptable front end over the chart engine.

#include "ArgumentBytes.h"
#include "AstroCommands.h"
#include "AstrologyReport.h"
#include "BaseDraw.h"
#include "CalculatorCommands.h"
#include "CaptionOption.h"
#include "CliFailure.h"
#include "ChartKinds.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "ClusterCommands.h"
#include "DateCommands.h"
#include "EchoText.h"
#include "EventCommands.h"
#include "MarketCommands.h"
#include "PaneCommands.h"
#include "PivotCommands.h"
#include "SwingCommands.h"
#include "SwingMarks.h"
#include "TextLanguage.h"
#include "Version.h"
#include "WallChartOptions.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <utility>

namespace {


const char* const kDescription =
    "Draws Quadrix charts and reports on them.\n\n"
    "Commands:\n"
    "  render [--caption on|off] --out FILE\n"
    "                      write the chart as PNG, SVG or PDF (by the extension); a PDF carries\n"
    "                      a caption below it unless off, a PNG or SVG only when on\n"
    "  render (--pages CxR | --cell-mm MM) [--paper A4|A3|A2|Letter|Legal] [--landscape]\n"
    "         [--overlap MM] [--overview] --out FILE.pdf\n"
    "                      print the chart over many pages to paste together, with cut and\n"
    "                      alignment marks (--overview: first the whole chart small); --paper\n"
    "                      alone prints it with labels of 7 pt\n"
    "  render --cell-mm MM [--dpi N] --out FILE.png|FILE.svg\n"
    "                      write the chart as one picture with cells MM millimetres wide\n"
    "  cells               print every cell's centre, label and label colour as JSON, or with\n"
    "                      --format csv its number, full price, ISO date, ring, angle, centre and\n"
    "                      label date as CSV\n"
    "  hit X Y             print the number of the cell at chart point X, Y\n"
    "  find (--price P | --date YYYY-MM-DD | --n N)\n"
    "                      print the cell of the nearest price, the first of that day, or of that\n"
    "                      number as JSON; exit 1 when none is (cell 1's date: --start-date)\n"
    "  targets (--price P | --date D | --n N) [--angles LIST] [--turns R] [--format json|csv|ics]\n"
    "                      print the cells at those angles from the found cell, R turns in and\n"
    "                      out, as JSON, CSV or an iCalendar file of their dates\n"
    "  trace               print every drawing operation of one paint as JSON lines\n"
    "render and trace with --planets \"YYYY-MM-DD HH:MM:SS\" (--city NAME [--cities FILE] |\n"
    "  --bias MIN --lat DEG --lon DEG)\n"
    "                      draw the bodies of the astrology report at that local moment and place\n"
    "                      on the angle ring's scale\n"
    "render and trace with --symbol S [--store DB] and the swing options of swings\n"
    "                      ring each swing's price cell (highs warm, lows cool) with its day, and\n"
    "                      tick its day on the calendar ring; cell 1 on S's first day unless given\n"
    "  dump FILE.rtl       print the charts of a chart file as JSON (null for an empty slot)\n"
    "  write FILE.json OUT.rtl\n"
    "                      write a chart file from JSON shaped like dump's; absent charts stay\n"
    "                      empty, absent fields keep the values of a new chart\n"
    "  date TEXT           print the date a text names, as YYYY-MM-DD HH:MM:SS, or invalid\n"
    "                      (--now sets the clock, --mode date|time|both)\n"
    "  easter YEAR         print Easter Sunday of a year as YYYY-MM-DD\n"
    "  degree P            print the carl, daniel, 360 and 24 angles of a price or count\n"
    "  span START END      print the whole --unit (day, week, month, year, trading) from START to END\n"
    "  end START SPAN      print START moved forward by SPAN units\n"
    "  start END SPAN      print END moved back by SPAN units\n"
    "  astro --date TEXT (--city NAME [--cities FILE] | --bias MIN --lat DEG --lon DEG)\n"
    "                      print the astrology report for a date, time and place\n"
    "  events --from D --to D [--bodies LIST] [--aspects LIST|none] [--helio] [--moon]\n"
    "         (--city NAME [--cities FILE] | --zone Z | --bias MIN) [--format json|csv|ics]\n"
    "                      the sky's ingresses, stations and exact aspects over a range of UT days\n"
    "  cities [--cities FILE]\n"
    "                      print the city list: name, country, bias, latitude, longitude\n"
    "  import FILE [--symbol S] [--name N] [--date-format F] [--zone Z] [--skip-bad] [--dry-run]\n"
    "                      read a file of daily or intraday bars into the market store\n"
    "  symbols             print the instruments of the market store\n"
    "  bars S [--from D] [--to D]\n"
    "                      print the bars of symbol S\n"
    "  remove S            remove symbol S and its bars from the market store\n"
    "  rename OLD NEW      keep the bars of symbol OLD under the symbol NEW\n"
    "  swings S (--zigzag P | --zigzag-amount A | --pivots L,R) [--on highlow|close] [--from D] [--to D]\n"
    "                      print the swings of stored symbol S; with chart options their cells and\n"
    "                      angles on that chart (--format json|csv|ics)\n"
    "  stats S [chart options] [swing options] [--origin low|high|YYYY-MM-DD] [--harmonic H]\n"
    "        [--orb O] [--samples N] [--seed K]\n"
    "                      print how often S's swings lie at multiples of H degrees from the\n"
    "                      origin swing, beside the rate of N random bars of S (--format json|csv)\n"
    "  clusters S [chart options] [swing options] [--methods LIST] [--counts LIST] [--window W]\n"
    "           [--from D] [--to D] [--scale K] [--holidays FILE]\n"
    "                      print the days on which dates projected from S's swings agree\n"
    "                      (--format json|csv|ics)\n"
    "  pane S [--from D] [--to D] [--style candles|bars|line] [--log] [--size WxH] [swing options]\n"
    "       [--price P | --date D [--angles LIST] [--turns R] chart options] (--out FILE | --trace)\n"
    "                      draw S's price history with its swings and the pivot's targets\n"
    "import, symbols, bars, remove, rename, swings, stats, clusters and pane take --store FILE;\n"
    "all but pane --format; "
    "each has --help.\n\n"
    "render, cells, hit, trace, find and targets draw the chart of --kind from --file FILE.rtl when given.\n"
    "Put negative numbers after --, as in: quadrix-cli hit -- -100 40";

// Qt warns on every start when XDG_RUNTIME_DIR is unset (as for root in a
// container or CI); give it the private folder it would make for itself.
void EnsureRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const std::string dir = "/tmp/runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (stat(dir.c_str(), &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", dir.c_str());
}

// A standard stream the caller closed is opened read-only on /dev/null, so
// that no file this program opens takes its number and output meant for the
// terminal fails instead of landing in that file.
void KeepStandardStreamsOpen()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            open("/dev/null", O_RDONLY);
}

// Output that never reached its reader (a full disk, a closed pipe or
// stream) fails the command, whatever it did, with one line.
int FinishOutput(int status)
{
    // The C library drops what a failed write left, and with it why it failed.
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0 && !std::cout.fail() && !std::ferror(stdout);
    if (std::fclose(stdout) == 0 && flushed)
        return status;
    std::cerr << "quadrix-cli: cannot write the output\n";
    return status == 0 ? 1 : status;
}

int UsageError(const std::string& message) { return CliFailure::UsageError(std::cerr, message); }

bool ReadPoint(const QStringList& args, int& x, int& y)
{
    bool okX = false, okY = false;
    if (args.size() != 3)
        return false;
    x = args[1].toInt(&okX);
    y = args[2].toInt(&okY);
    return okX && okY;
}

// The longitudes for --planets at the place options, as the astrology report
// has them, and the ring's caption; nothing when not asked for. False, with
// status, when the options are wrong or the sky cannot be computed: no
// picture then, rather than one without its ring.
bool ReadPlanets(const QCommandLineParser& parser, const QString& command, std::optional<Longitudes>& planets,
                 std::string& caption, int& status)
{
    if (!parser.isSet("planets")) {
        status = CliFailure::kUsageError;
        if (!HasPlaceOptions(parser))
            return true;
        UsageError("--city, --cities, --bias, --lat and --lon go with --planets");
        return false;
    }
    if (command != "render" && command != "trace") {
        status = UsageError("--planets goes with render and trace");
        return false;
    }
    const std::optional<CityInfo> place = ReadPlace(parser, command, std::cerr, status);
    if (!place)
        return false;
    const AstrologyReport::Sky sky
        = AstrologyReport::ComputeSky(parser.value("planets").toStdString(), &*place, Ephemeris());
    if (!sky.outcome.Ok()) {
        std::cerr << "quadrix-cli: " << sky.outcome.message << '\n';
        status = 1;
        return false;
    }
    planets = sky.longitudes;
    caption = sky.caption;
    return true;
}

// The swings' marks over a chart of kind, nothing without swings.
ChartOverlay SwingMarksOver(std::optional<std::vector<Swing>> swings, const ChartKind& kind)
{
    if (!swings)
        return {};
    CSwingMarks marks;
    marks.SetSwings(std::move(*swings));
    return [marks, &kind](CBaseDraw& chart, CDrawSurface& dc) { marks.Draw(chart, kind, dc); };
}

// find and targets: the pivot's options, then the chart.
int DispatchPivotCommand(const QCommandLineParser& parser, ChartOptions& options, const std::string& command)
{
    PivotOptions pivot;
    std::string error;
    if (parser.positionalArguments().size() != 1)
        return UsageError(command + " takes no arguments, only options");
    if (!ReadPivotOptions(parser, command, pivot, error))
        return UsageError(error);
    const ChartKind& kind = *FindChartKind(options.kind);
    if (command == "targets" && !HasAngles(kind))
        return UsageError("targets needs a chart kind with angles, not " + options.kind);
    std::unique_ptr<CBaseDraw> chart = MakeChart(options, std::cerr);
    if (!chart)
        return 1;
    if (command == "find")
        return RunFind(*chart, kind, pivot, std::cout, std::cerr);
    return RunTargets(*chart, kind, pivot, static_cast<std::int64_t>(std::time(nullptr)), std::cout, std::cerr);
}

int DispatchFileCommand(const QStringList& args)
{
    if (args[0] == "dump") {
        if (args.size() != 2)
            return UsageError("dump takes one chart file");
        return RunDump(ArgumentBytes::Path(args[1]), std::cout, std::cerr);
    }
    if (args.size() != 3)
        return UsageError("write takes a JSON file and the chart file to write");
    return RunWrite(ArgumentBytes::Path(args[1]), ArgumentBytes::Path(args[2]), std::cerr);
}

// Commands that take words rather than a chart: date and easter.
int DispatchDateCommand(const QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() < 2)
        return UsageError(args[0].toStdString() + " takes " + (args[0] == "date" ? "a date text" : "a year"));
    if (args[0] == "easter") {
        if (args.size() != 2)
            return UsageError("easter takes one year");
        return RunEasterCommand(args[1].toStdString(), std::cout, std::cerr);
    }
    // The words of an unquoted phrase ("next friday") make one text.
    const QString text = args.mid(1).join(' ');
    return RunDateCommand(text.toStdString(), parser.value("now").toStdString(),
                          parser.isSet("mode") ? parser.value("mode").toStdString() : "date", std::cout, std::cerr);
}

// The calculators' commands: degree, span, end and start.
int DispatchCalculatorCommand(const QCommandLineParser& parser, const QStringList& args)
{
    const std::string command = args[0].toStdString();
    const int operands = command == "degree" ? 1 : 2;
    if (args.size() != operands + 1)
        return UsageError(command + (operands == 1 ? " takes one number" : " takes two operands"));
    if (command == "degree")
        return RunDegreeCommand(args[1].toStdString(), std::cout, std::cerr);
    const std::string a = args[1].toStdString(), b = args[2].toStdString();
    const std::string unit = parser.isSet("unit") ? parser.value("unit").toStdString() : "day";
    const std::string now = parser.value("now").toStdString();
    if (command == "span")
        return RunSpanCommand(a, b, unit, now, std::cout, std::cerr);
    if (command == "end")
        return RunEndCommand(a, b, unit, now, std::cout, std::cerr);
    return RunStartCommand(a, b, unit, now, std::cout, std::cerr);
}

int Dispatch(const QCommandLineParser& parser, ChartOptions& options)
{
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == "dump" || command == "write")
        return DispatchFileCommand(args);
    if (command == "date" || command == "easter")
        return DispatchDateCommand(parser, args);
    if (command == "degree" || command == "span" || command == "end" || command == "start")
        return DispatchCalculatorCommand(parser, args);
    if (command.isEmpty())
        return UsageError("no command given");
    if (command == "find" || command == "targets")
        return DispatchPivotCommand(parser, options, command.toStdString());
    if (HasPivotOptions(parser))
        return UsageError("--price, --n, --angles and --turns go with find and targets");
    if (SwingCommands::HasMarkOptions(parser) && command != "render" && command != "trace")
        return UsageError("--symbol, --store and the swing options go with render and trace");
    if (WallChartOptions::Given(parser) && command != "render")
        return UsageError("--pages, --cell-mm, --paper, --landscape, --overlap, --overview and --dpi go with render");
    if (std::string error; !CaptionOption::Check(parser, command, error))
        return UsageError(error);

    int x = 0, y = 0;
    if (command == "render" && (args.size() != 1 || !parser.isSet("out")))
        return UsageError("render takes --out FILE and no other argument");
    const QString format = parser.value("format");
    if (parser.isSet("format") && (command != "cells" || (format != "json" && format != "csv")))
        return UsageError("--format takes json or csv, and only with cells");
    if (command == "hit" && !ReadPoint(args, x, y))
        return UsageError("hit takes two whole numbers X Y");
    const bool known = command == "render" || command == "hit" || command == "cells" || command == "trace";
    if (!known || ((command == "cells" || command == "trace") && args.size() != 1))
        return UsageError("unknown command or extra arguments: " + EchoText(args.join(' ').toStdString()));

    std::optional<Longitudes> planets;
    std::string caption;
    std::optional<std::vector<Swing>> swings;
    std::string instrument;
    int status = 0;
    if (!ReadPlanets(parser, command, planets, caption, status) ||
        !SwingCommands::ReadMarkedSwings(parser, options, swings, instrument, status, std::cerr))
        return status;
    std::unique_ptr<CBaseDraw> chart = MakeChart(options, std::cerr);
    if (!chart)
        return 1;
    chart->m_Planets = planets;
    chart->m_PlanetCaption = caption;
    const ChartOverlay marks = SwingMarksOver(swings, *FindChartKind(options.kind));
    if (command == "render") {
        const std::string out = ArgumentBytes::Path(parser.value("out"));
        const std::vector<std::string> lines = CaptionOption::Lines(parser, *chart, out, instrument);
        if (WallChartOptions::Given(parser))
            return WallChartOptions::Render(parser, *chart, out, std::cerr, marks, lines);
        return RunRender(*chart, options, out, std::cerr, marks, lines);
    }
    if (command == "cells")
        return format == "csv" ? RunCellTable(*chart, options, std::cout) : RunCells(*chart, options, std::cout);
    if (command == "trace")
        return RunTrace(*chart, options, std::cout, marks);
    return RunHit(*chart, x, y, std::cout);
}

int Run(int argc, char* argv[])
{
    // The tool never opens a window; it needs a GUI application only for fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeDir();
    // The application takes -style and --style for itself; pane's style of
    // bars is read from the words as given.
    const QStringList given = ArgumentBytes::Decode(argc, argv);
    QGuiApplication app(argc, argv);
    // Qt takes the user's locale for the C library too; JSON, CSV and labels
    // are printed with printf and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName("quadrix-cli");
    QCoreApplication::setApplicationVersion(QUADRIX_VERSION);

    // The application has taken its own options out of argv. The astrology
    // commands take options of their own (their --date is a date and time,
    // not a chart's first day).
    const QStringList words = ArgumentBytes::Decode(argc, argv);
    if (words.size() > 1 && words[1] == "astro")
        return RunAstroCommand(words.mid(1), std::cout, std::cerr);
    if (words.size() > 1 && words[1] == "cities")
        return RunCitiesCommand(words.mid(1), std::cout, std::cerr);
    if (words.size() > 1 && words[1] == "events")
        return RunEventsCommand(words.mid(1), static_cast<std::int64_t>(std::time(nullptr)), std::cout, std::cerr);
    if (words.size() > 1 && MarketCommands::Handles(words[1]))
        return MarketCommands::Run(words.mid(1), std::cout, std::cerr);
    if (given.size() > 1 && PaneCommands::Handles(given[1]))
        return PaneCommands::Run(given.mid(1), std::cout, std::cerr);
    if (words.size() > 1 && SwingCommands::Handles(words[1]))
        return SwingCommands::Run(words.mid(1), static_cast<std::int64_t>(std::time(nullptr)), std::cout, std::cerr);
    if (words.size() > 1 && ClusterCommands::Handles(words[1]))
        return ClusterCommands::Run(words.mid(1), static_cast<std::int64_t>(std::time(nullptr)), std::cout, std::cerr);

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("command", "render, cells, hit, find, targets, trace, dump, write, date, easter, degree, span, end, start, astro, events, cities, import, symbols, bars, remove, rename, swings, stats, clusters or pane.");
    parser.addOption({"out", "Picture file to write (render).", "FILE"});
    parser.addOption({"format", "What cells prints: json or csv; targets also ics (default json).", "FORMAT"});
    parser.addOption({"now", "The clock for date, span, end and start: YYYY-MM-DD HH:MM:SS (default: the computer's).", "TIME"});
    parser.addOption({"mode", "What date reads: date, time or both (default date).", "MODE"});
    parser.addOption({"unit", "Unit of span, end and start: day, week, month, year, trading (default day).", "UNIT"});
    parser.addOption({"planets", "Local date and time of the planet ring (render, trace).", "TIME"});
    AddPlaceOptions(parser);
    AddChartOptions(parser);
    AddPivotOptions(parser);
    SwingCommands::AddMarkOptions(parser);
    WallChartOptions::Add(parser);
    CaptionOption::Add(parser);
    TextLanguage::Add(parser);

    if (!parser.parse(words))
        return UsageError(parser.errorText().toStdString());
    // Printed here rather than by the parser, which exits before the output
    // is checked.
    if (parser.isSet("help")) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet("version")) {
        std::cout << "quadrix-cli " << QUADRIX_VERSION << '\n';
        return 0;
    }

    ChartOptions options;
    std::string error;
    if (!TextLanguage::Apply(parser, error))
        return UsageError(error);
    const QString command = parser.positionalArguments().value(0);
    if (!ReadChartOptions(parser, options, error, command == "find" || command == "targets"))
        return UsageError(error);
    return Dispatch(parser, options);
}

} // namespace

int main(int argc, char* argv[])
{
    KeepStandardStreamsOpen();
    return FinishOutput(Run(argc, argv));
}
