#pragma once

#include "Result.h"

#include <cstdint>
#include <optional>
#include <string>

class CBaseDraw;

// The arithmetic and checks behind the chart properties dialog, free of any
// GUI toolkit: the values a chart shows, their texts in the edits, the
// checks made when the user confirms and the writing back into the chart.
namespace ChartPropertyRules {

constexpr int kMinRings = 3;
constexpr int kMaxRings = 40;

// The edit a failed check points at.
enum class Field { None, Rings, TimeStep, Start, Step, StartDate };

// The dialog's values: price start and step, date of cell 1 as
// "YYYY-MM-DD", periods per cell and ring count.
struct Values {
    int rings = 6;
    int timeStep = 1;
    float start = 0.0f;
    float step = 0.0f;
    std::string startDate;
};

// The texts of the five edits, UTF-8.
struct Texts {
    std::string rings;
    std::string timeStep;
    std::string start;
    std::string step;
    std::string startDate;
};

// What confirming the texts gave: the values, or the message of the first
// failed check and the edit it points at.
struct Confirmed {
    Result<Values> values;
    Field field = Field::None;
};

// Message texts, shown as they are.
extern const char* const kEnterInteger;
extern const char* const kEnterNumber;
extern const char* const kDateFormat;
extern const char* const kDateInvalid;
std::string RingRangeMessage();

// A decimal int with optional sign and surrounding blanks, nothing else.
std::optional<int> ParseInteger(const std::string& text);
// A finite number read like "%lf" with nothing after it but blanks.
std::optional<double> ParseReal(const std::string& text);
// A finite number that fits a float, read like "%lf" with nothing after it
// but blanks.
std::optional<float> ParseNumber(const std::string& text);
// "%.*g" at 6 significant digits: 1 for 1.0, 1.23457e+06 for 1234567.
std::string FormatNumber(float value);

// The local calendar date of t as "%d-%.2d-%.2d"; empty when the platform
// cannot convert t.
std::string StartDateText(std::int64_t t);

// The values a chart shows when the dialog opens.
Values ValuesOf(CBaseDraw& chart);
// The texts the edits show for values.
Texts TextsOf(const Values& values);
// Reads the texts in the order ring count, time step, start, step, then
// checks the date; stops at the first failure.
Confirmed Confirm(const Texts& texts);
// Writes confirmed values into the chart and asks its view to repaint.
void Apply(CBaseDraw& chart, const Values& values);

} // namespace ChartPropertyRules
