#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

class CBaseDraw;
struct ChartKind;

// Every cell of a chart as a CSV table for spreadsheet programs: UTF-8 with a
// byte-order mark (without it they take a Chinese header for another
// encoding), rows ended by CR LF, a field quoted when it holds a comma, a
// quote or a line break.
namespace CellTable {

// The header row of a CSV: the JSON's keys (the command line) or the column
// titles in the interface's language (the window).
enum class Headers { Keys, Interface };

// A column: its key (the JSON's, heading the command line's CSV) and its
// title (heading the window's, translated in the context its table names).
struct Column {
    const char* key;
    const char* title;
};

inline constexpr const char kByteOrderMark[] = "\xEF\xBB\xBF";
inline constexpr const char kRowEnd[] = "\r\n";

// The header texts of count columns, in context's translation for the window.
std::vector<std::string> HeaderRow(const Column* columns, std::size_t count, Headers headers, const char* context);
// fields as one CSV row, each a Field, ended by CR LF.
std::string Row(const std::vector<std::string>& fields);

// The header, then one row per cell of chart's layout in number order:
// number, price in full, date as YYYY-MM-DD (with the time of day where the
// chart's start has one), ring, angle (two decimals), x, y and the date as
// the cell's label shows it. The chart, of that kind, is laid out by its
// last paint.
void WriteCsv(std::ostream& out, CBaseDraw& chart, const ChartKind& kind, Headers headers);
std::string Csv(CBaseDraw& chart, const ChartKind& kind, Headers headers);

// An angle with two decimals; a hair below 0 or 360 is written as 0.
std::string AngleText(float degrees);

// The shortest text that reads back as the same price, empty where the
// price is not finite.
std::string PriceText(float price);

// text as one CSV field.
std::string Field(const std::string& text);

} // namespace CellTable
