#pragma once

#include "Geometry.h"
#include "Period.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

class CBaseDraw;
class QCommandLineParser;

// The chart described by the command line's options: parameters, display
// switches and the space the chart is laid out in.
struct ChartOptions {
    std::string kind = "nine";
    std::optional<int> rings;          // the kind's default when not given
    float start = 1.0f;
    float step = 1.0f;
    std::int64_t startTime = 0;        // local midnight of --date
    int timeStep = 1;
    Period period = Period::Day;
    bool showPrice = true;
    bool showTime = false;
    bool showN = false;
    bool timeStandard = false;
    int digits = 2;
    std::optional<bool> clockwise;     // the kind's default when not given
    bool calendarRing = false;
    bool angleRing = false;
    float calendarAngle = 0.0f;
    float angleRingAngle = 0.0f;
    bool calendarReverse = false;
    bool angleReverse = false;
    bool triangle = false;
    bool squares = false;
    bool divisions = false;
    float triangleAngle = 0.0f;
    float squaresAngle = 0.0f;
    float divisionsAngle = 0.0f;
    int canvas = 1000;
    std::optional<Rect> client;        // 50 units inside the canvas when not given
    float zoom = 0.6f;
    std::string file;                  // chart file to take the chart from
    std::set<std::string> given;       // the options set on the command line

    Rect ClientRect() const;
    // The client rectangle a canvas gets when --client is not given.
    static Rect DefaultClient(int canvas);
};

// Registers the chart options with parser.
void AddChartOptions(QCommandLineParser& parser);

// Reads and checks the chart options; false with a one-line message when one
// is malformed or out of range. Cell 1's date is --start-date, or --date
// unless that names the date to find (dateIsPivot).
bool ReadChartOptions(const QCommandLineParser& parser, ChartOptions& options, std::string& error,
                      bool dateIsPivot = false);

// A chart of the options' kind with their parameters and switches, ready for
// its first paint.
std::unique_ptr<CBaseDraw> BuildChart(const ChartOptions& options);

// The chart of the options' kind from their chart file, with the options
// given on the command line applied over the file's values; the picture's
// zoom becomes the chart's unless --zoom was given (FitFileZoom then bounds
// it). Nothing, with a one-line message, when the file cannot be read or
// holds no chart of that kind.
std::unique_ptr<CBaseDraw> LoadChart(ChartOptions& options, std::string& error);

// Whether chart, built or loaded from the options, is drawn with readable
// cells: false, with a one-line message, when its cells would be under one
// unit on the options' canvas (nothing would be drawn), or when the start and
// step the options give put its last cell's price beyond single precision.
bool CheckChart(CBaseDraw& chart, const ChartOptions& options, std::string& error);
