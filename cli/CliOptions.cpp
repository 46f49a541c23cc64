#include "CliOptions.h"

#include "ArgumentBytes.h"
#include "BaseDraw.h"
#include "CanvasFit.h"
#include "ChartExport.h"
#include "ChartFile.h"
#include "ChartKinds.h"
#include "ChartSlots.h"
#include "EchoText.h"
#include "FiniteNumber.h"
#include "LocalMidnight.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <utility>

namespace {

constexpr int kMinCanvas = 16;
constexpr int kMaxCanvas = 20000;
// The default client rectangle lies this far inside the canvas.
constexpr int kClientMargin = 50;

struct OptionInfo {
    const char* name;
    const char* help;
    const char* valueName; // nullptr for a switch
};

const OptionInfo kOptions[] = {
    {"kind", "Chart kind: nine, four, hexagon, wheel or master (default nine).", "kind"},
    {"rings", "Ring count as the user sees it (default: the kind's).", "N"},
    {"start", "Price of cell 1 (default 1).", "P"},
    {"step", "Price step from one cell to the next (default 1).", "S"},
    {"date", "Date of cell 1, at local midnight (default today); with find and targets the date to find.",
     "YYYY-MM-DD"},
    {"start-date", "Date of cell 1, for every command (default today).", "YYYY-MM-DD"},
    {"time-step", "Periods from one cell to the next (default 1).", "N"},
    {"period", "Unit of the time step: day, week or month (default day).", "unit"},
    {"labels", "Label parts from price,time,n,standard; exactly these are on (default price).", "list"},
    {"digits", "Decimal digits chosen, 0 to 5, or -1 for the natural ones (default 2).", "D"},
    {"clockwise", "Number the cells clockwise: on or off (default: the kind's).", "on|off"},
    {"calendar-ring", "Show the calendar ring.", nullptr},
    {"angle-ring", "Show the angle ring.", nullptr},
    {"calendar-angle", "Rotation of the calendar ring in degrees.", "A"},
    {"angle-ring-angle", "Rotation of the angle ring in degrees.", "A"},
    {"calendar-reverse", "Run the calendar ring clockwise.", nullptr},
    {"angle-reverse", "Run the angle ring clockwise.", nullptr},
    {"overlays", "Overlays from triangle,squares,divisions.", "list"},
    {"triangle-angle", "Rotation of the triangle in degrees.", "A"},
    {"squares-angle", "Rotation of the four-square cross in degrees.", "A"},
    {"divisions-angle", "Rotation of the divisions star in degrees.", "A"},
    {"canvas", "Canvas size in chart units (default 1000).", "SIZE"},
    {"client", "The chart's client rectangle (default 50,50,SIZE-50,SIZE-50).", "L,T,R,B"},
    {"zoom", "Zoom factor; the picture is SIZE x Z pixels square (default 0.6).", "Z"},
    {"file", "Chart file to draw the chart of --kind from, with its marks, lines and notes; the other options "
             "given override its values.", "FILE.rtl"},
};

std::string Text(const QString& s) { return s.toStdString(); }

// An option's value quoted in a message.
std::string Echo(const QString& s) { return EchoText(s.toStdString()); }

bool ReadInt(const QCommandLineParser& p, const char* name, int lo, int hi, int& out, std::string& error)
{
    if (!p.isSet(name))
        return true;
    bool ok = false;
    const int v = p.value(name).toInt(&ok);
    if (!ok || v < lo || v > hi) {
        error = "--" + std::string(name) + " takes a whole number from " + std::to_string(lo) + " to " +
                std::to_string(hi) + ", not '" + Echo(p.value(name)) + "'";
        return false;
    }
    out = v;
    return true;
}

bool ReadFloat(const QCommandLineParser& p, const char* name, float& out, std::string& error)
{
    if (!p.isSet(name))
        return true;
    const std::optional<double> v = FiniteNumber(p.value(name));
    if (!v || std::fabs(*v) > FLT_MAX) {
        error = "--" + std::string(name) + " takes a number, not '" + Echo(p.value(name)) + "'";
        return false;
    }
    out = static_cast<float>(*v);
    return true;
}

// Items of a comma-separated list, each checked against the allowed words.
bool ReadList(const QCommandLineParser& p, const char* name, const QStringList& allowed, QStringList& out,
              std::string& error)
{
    const QString value = p.value(name).trimmed();
    out.clear();
    if (value.isEmpty() || value == "none")
        return true;
    for (const QString& item : value.split(',')) {
        const QString word = item.trimmed().toLower();
        if (!allowed.contains(word)) {
            error = "--" + std::string(name) + ": unknown item '" + Echo(item) + "' (allowed: " +
                    Text(allowed.join(',')) + ")";
            return false;
        }
        out << word;
    }
    return true;
}

bool ReadClient(const QCommandLineParser& p, ChartOptions& o, std::string& error)
{
    if (!p.isSet("client"))
        return true;
    const QStringList parts = p.value("client").split(',');
    int v[4] = {};
    bool good = parts.size() == 4;
    for (int i = 0; good && i < 4; ++i)
        v[i] = parts[i].trimmed().toInt(&good);
    if (!good || std::abs(static_cast<long long>(v[0])) > kMaxCanvas * 4LL ||
        std::abs(static_cast<long long>(v[1])) > kMaxCanvas * 4LL || v[2] <= v[0] || v[3] <= v[1] ||
        static_cast<long long>(v[2]) - v[0] > kMaxCanvas * 4LL || static_cast<long long>(v[3]) - v[1] > kMaxCanvas * 4LL) {
        error = "--client takes L,T,R,B with L < R and T < B, not '" + Echo(p.value("client")) + "'";
        return false;
    }
    o.client = Rect{v[0], v[1], v[2], v[3]};
    return true;
}

bool ReadLabels(const QCommandLineParser& p, ChartOptions& o, std::string& error)
{
    if (!p.isSet("labels"))
        return true;
    QStringList items;
    if (!ReadList(p, "labels", {"price", "time", "n", "standard"}, items, error))
        return false;
    o.showPrice = items.contains("price");
    o.showTime = items.contains("time");
    o.showN = items.contains("n");
    o.timeStandard = items.contains("standard");
    return true;
}

bool ReadOverlays(const QCommandLineParser& p, ChartOptions& o, std::string& error)
{
    QStringList items;
    if (!ReadList(p, "overlays", {"triangle", "squares", "divisions"}, items, error))
        return false;
    o.triangle = items.contains("triangle");
    o.squares = items.contains("squares");
    o.divisions = items.contains("divisions");
    return true;
}

std::optional<Period> PeriodNamed(const QString& name)
{
    const std::pair<const char*, Period> names[] = {{"day", Period::Day}, {"week", Period::Week}, {"month", Period::Month}};
    for (const auto& [text, period] : names)
        if (name == QLatin1String(text))
            return period;
    return std::nullopt;
}

bool ReadChoices(const QCommandLineParser& p, ChartOptions& o, std::string& error)
{
    if (p.isSet("kind")) {
        o.kind = Text(p.value("kind"));
        if (!FindChartKind(o.kind)) {
            error = "--kind: unknown chart kind '" + EchoText(o.kind) + "'";
            return false;
        }
    }
    if (p.isSet("period")) {
        const QString v = p.value("period");
        const std::optional<Period> period = PeriodNamed(v);
        if (!period) {
            error = "--period takes day, week or month, not '" + Echo(v) + "'";
            return false;
        }
        o.period = *period;
    }
    if (p.isSet("clockwise")) {
        const QString v = p.value("clockwise");
        if (v != "on" && v != "off") {
            error = "--clockwise takes on or off, not '" + Echo(v) + "'";
            return false;
        }
        o.clockwise = v == "on";
    }
    return true;
}

// Cell 1's date from --start-date, or from --date where that is not the
// date to find; it then counts as the date option given.
bool ReadStartDate(const QCommandLineParser& p, ChartOptions& o, bool dateIsPivot, std::string& error)
{
    o.given.erase("date");
    if (o.given.erase("start-date") && p.isSet("date") && !dateIsPivot) {
        error = "--date and --start-date both name the date of cell 1; give one";
        return false;
    }
    const char* name = p.isSet("start-date") ? "start-date" : p.isSet("date") && !dateIsPivot ? "date" : nullptr;
    if (!name)
        return true;
    const auto t = LocalMidnight(Text(p.value(name)));
    if (!t) {
        error = "--" + std::string(name) + " takes a calendar date as YYYY-MM-DD, not '" + Echo(p.value(name)) +
                "'";
        return false;
    }
    o.startTime = *t;
    o.given.insert("date");
    return true;
}

bool ReadNumbers(const QCommandLineParser& p, ChartOptions& o, std::string& error)
{
    int rings = 0;
    if (p.isSet("rings")) {
        if (!ReadInt(p, "rings", 1, CBaseDraw::kMaxRings, rings, error))
            return false;
        o.rings = rings;
    }
    return ReadFloat(p, "start", o.start, error) && ReadFloat(p, "step", o.step, error) &&
           ReadInt(p, "time-step", -100000, 100000, o.timeStep, error) &&
           ReadInt(p, "digits", -1, 5, o.digits, error) &&
           ReadFloat(p, "calendar-angle", o.calendarAngle, error) &&
           ReadFloat(p, "angle-ring-angle", o.angleRingAngle, error) &&
           ReadFloat(p, "triangle-angle", o.triangleAngle, error) &&
           ReadFloat(p, "squares-angle", o.squaresAngle, error) &&
           ReadFloat(p, "divisions-angle", o.divisionsAngle, error) &&
           ReadInt(p, "canvas", kMinCanvas, kMaxCanvas, o.canvas, error) && ReadFloat(p, "zoom", o.zoom, error);
}

bool CheckPictureSize(const ChartOptions& o, std::string& error)
{
    const double side = static_cast<double>(o.canvas) * o.zoom;
    if (!(o.zoom > 0.0f) || side < 1.0 || side > kMaxPictureSide) {
        error = "--zoom must be above 0 and give a picture of 1 to " + std::to_string(kMaxPictureSide)
            + " pixels (canvas x zoom)";
        return false;
    }
    return true;
}

// What one option sets on a chart. A chart built from the options takes
// every effect; a chart from a file only those of the options given.
struct OptionEffect {
    const char* option;
    void (*apply)(const ChartOptions&, CBaseDraw&);
};

const OptionEffect kEffects[] = {
    {"rings", [](const ChartOptions& o, CBaseDraw& c) {
         c.SetRings(o.rings.value_or(FindChartKind(o.kind)->defaultRings));
     }},
    {"start", [](const ChartOptions& o, CBaseDraw& c) {
         c.m_fStartPrice = o.start;
         c.UpdateNaturalDecimals();
     }},
    {"step", [](const ChartOptions& o, CBaseDraw& c) {
         c.m_fPriceStep = o.step;
         c.UpdateNaturalDecimals();
     }},
    {"digits", [](const ChartOptions& o, CBaseDraw& c) { c.m_nDecimals = o.digits; }},
    {"date", [](const ChartOptions& o, CBaseDraw& c) { c.m_tStartTime = o.startTime; }},
    {"time-step", [](const ChartOptions& o, CBaseDraw& c) { c.m_nTimeStep = o.timeStep; }},
    {"period", [](const ChartOptions& o, CBaseDraw& c) { c.m_nPeriod = o.period; }},
    {"labels", [](const ChartOptions& o, CBaseDraw& c) {
         c.m_bShowPrice = o.showPrice;
         c.m_bShowTime = o.showTime;
         c.m_bShowN = o.showN;
         c.m_bTimeStandard = o.timeStandard;
     }},
    {"clockwise", [](const ChartOptions& o, CBaseDraw& c) {
         if (o.clockwise)
             c.m_bClockwise = *o.clockwise;
     }},
    {"calendar-ring", [](const ChartOptions& o, CBaseDraw& c) { c.m_bShowCalendarRing = o.calendarRing; }},
    {"angle-ring", [](const ChartOptions& o, CBaseDraw& c) { c.m_bShowAngleRing = o.angleRing; }},
    {"calendar-angle", [](const ChartOptions& o, CBaseDraw& c) { c.m_fCalendarAngle = o.calendarAngle; }},
    {"angle-ring-angle", [](const ChartOptions& o, CBaseDraw& c) { c.m_fAngleRingAngle = o.angleRingAngle; }},
    {"calendar-reverse", [](const ChartOptions& o, CBaseDraw& c) { c.m_bCalendarForward = o.calendarReverse ? 0 : 1; }},
    {"angle-reverse", [](const ChartOptions& o, CBaseDraw& c) { c.m_bAngleForward = o.angleReverse ? 0 : 1; }},
    {"overlays", [](const ChartOptions& o, CBaseDraw& c) {
         c.m_bShowTriangle = o.triangle;
         c.m_bShowSquares = o.squares;
         c.m_bShowDivisions = o.divisions;
     }},
    {"triangle-angle", [](const ChartOptions& o, CBaseDraw& c) { c.m_fTriangleAngle = o.triangleAngle; }},
    {"squares-angle", [](const ChartOptions& o, CBaseDraw& c) { c.m_fSquaresAngle = o.squaresAngle; }},
    {"divisions-angle", [](const ChartOptions& o, CBaseDraw& c) { c.m_fDivisionsAngle = o.divisionsAngle; }},
    {"zoom", [](const ChartOptions& o, CBaseDraw& c) { c.m_fZoom = o.zoom; }},
};

// The options' effects (all, or only those given), then the space the chart
// is laid out in, which no chart file holds.
void ApplyOptions(const ChartOptions& o, CBaseDraw& chart, bool all)
{
    for (const OptionEffect& effect : kEffects)
        if (all || o.given.count(effect.option))
            effect.apply(o, chart);
    chart.m_szCanvas = {o.canvas, o.canvas};
    chart.m_rcClient = o.ClientRect();
}

std::string CellsDoNotFit(CBaseDraw& chart, const ChartOptions& o)
{
    const std::string what = "the " + o.kind + " chart's " + std::to_string(chart.GetRings()) + " rings";
    if (chart.GetRings() < 1 || chart.LayoutRings() != chart.GetRings())
        return what + " lie outside the 1 to " + std::to_string(CBaseDraw::kMaxRings) + " a chart is drawn with";
    const std::string leave = what + " leave cells under one unit ";
    if (o.client)
        return leave + "in the --client rectangle; give a larger --client and --canvas, and a smaller --zoom to "
            "keep the picture's size";
    const std::optional<int> canvas = CanvasFit::SmallestCanvas(chart, kMinCanvas, kMaxCanvas, kClientMargin);
    if (!canvas)
        return leave + "on any canvas up to --canvas " + std::to_string(kMaxCanvas);
    return leave + "on a " + std::to_string(o.canvas) + "-unit canvas; give --canvas " + std::to_string(*canvas) +
        " or more, and a smaller --zoom to keep the picture's size";
}

std::int64_t TodayMidnight()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

} // namespace

Rect ChartOptions::ClientRect() const { return client ? *client : DefaultClient(canvas); }

Rect ChartOptions::DefaultClient(int canvas)
{
    return Rect{kClientMargin, kClientMargin, canvas - kClientMargin, canvas - kClientMargin};
}

void AddChartOptions(QCommandLineParser& parser)
{
    for (const OptionInfo& option : kOptions) {
        if (option.valueName)
            parser.addOption({option.name, option.help, option.valueName});
        else
            parser.addOption({option.name, option.help});
    }
}

bool ReadChartOptions(const QCommandLineParser& p, ChartOptions& o, std::string& error, bool dateIsPivot)
{
    o.startTime = TodayMidnight();
    o.calendarRing = p.isSet("calendar-ring");
    o.angleRing = p.isSet("angle-ring");
    o.calendarReverse = p.isSet("calendar-reverse");
    o.angleReverse = p.isSet("angle-reverse");
    for (const OptionInfo& option : kOptions)
        if (p.isSet(option.name))
            o.given.insert(option.name);
    o.file = ArgumentBytes::Path(p.value("file"));
    return ReadChoices(p, o, error) && ReadStartDate(p, o, dateIsPivot, error) && ReadNumbers(p, o, error) && ReadLabels(p, o, error) &&
           ReadOverlays(p, o, error) && ReadClient(p, o, error) && CheckPictureSize(o, error);
}

std::unique_ptr<CBaseDraw> BuildChart(const ChartOptions& o)
{
    std::unique_ptr<CBaseDraw> chart = FindChartKind(o.kind)->create();
    ApplyOptions(o, *chart, true);
    return chart;
}

std::unique_ptr<CBaseDraw> LoadChart(ChartOptions& o, std::string& error)
{
    Result<CChartSlots> charts = ChartFile::Load(o.file);
    if (!charts.Ok()) {
        error = charts.Message();
        return nullptr;
    }
    std::unique_ptr<CBaseDraw> chart = charts.Value().Take(FindChartKind(o.kind)->code);
    if (!chart) {
        error = o.file + ": holds no chart of kind " + o.kind;
        return nullptr;
    }
    ApplyOptions(o, *chart, false);
    o.zoom = chart->m_fZoom;
    return chart;
}

bool CheckChart(CBaseDraw& chart, const ChartOptions& o, std::string& error)
{
    if (!chart.CellsFit()) {
        error = CellsDoNotFit(chart, o);
        return false;
    }
    // A chart file's own prices are its own: its labels show "-" where they overflow.
    const bool optionsPrice = o.file.empty() || o.given.count("start") || o.given.count("step");
    const long long last = FindChartKind(o.kind)->cellCount(chart.LayoutRings());
    if (optionsPrice && !std::isfinite(chart.CellPrice(static_cast<int>(last)))) {
        char text[96];
        std::snprintf(text, sizeof text, "--start and --step put the price of cell %lld beyond \u00B1%g", last,
                      static_cast<double>(FLT_MAX));
        error = text;
        return false;
    }
    return true;
}
