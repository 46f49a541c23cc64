#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Where a price file keeps what: how its fields are separated and which
// column holds which part of a bar, read from its header in any of the
// languages trading software writes, or from the shape of its first row.
namespace BarLayout {

enum Column { Date, Time, Open, High, Low, Close, Volume, OpenInterest, Ticker, ColumnCount };

// A column's index in a row, or -1 where the file has none.
using Columns = std::array<int, ColumnCount>;

// The separator of delimited fields; ' ' stands for runs of blanks.
constexpr char kBlanks = ' ';

// Splits line into fields at delimiter, blanks around each field and the
// quotes of a quoted field removed (a delimiter inside quotes is text).
void Split(std::string_view line, char delimiter, std::vector<std::string_view>& fields);

// The delimiter that cuts the most of lines into the same number (two or
// more) of fields; tab, semicolon, bar, comma, then blanks on a tie. Nothing
// when none cuts any line.
std::optional<char> DetectDelimiter(const std::vector<std::string_view>& lines);

// The columns a header names; nothing unless it names a date or time and a
// close. Unknown columns (turnover, adjusted close, spread) are left out.
std::optional<Columns> FromHeader(const std::vector<std::string_view>& fields);

// The columns of a headerless row by its shape: ticker, date, OHLCV; date,
// time, OHLC[V[OI]]; date, OHLC[V[OI]]; date, close. isDate tells whether a
// field is a date. Nothing when the row has none of these shapes.
std::optional<Columns> FromRow(const std::vector<std::string_view>& fields, bool (*isDate)(std::string_view));

// The number of fields a row needs to hold every column.
std::size_t FieldsNeeded(const Columns& columns);

} // namespace BarLayout
