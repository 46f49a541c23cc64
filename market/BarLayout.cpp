#include "BarLayout.h"

#include <algorithm>
#include <map>
#include <string>

namespace BarLayout {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view field)
{
    if (field.empty() || (!IsBlank(field.front()) && !IsBlank(field.back()) && field.front() != '"'))
        return field;
    field = Trim(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = Trim(field.substr(1, field.size() - 2));
    return field;
}

void SplitBlanks(std::string_view line, std::vector<std::string_view>& fields)
{
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (pos == line.size())
            return;
        const std::size_t start = pos;
        bool quoted = false;
        while (pos < line.size() && (quoted || !IsBlank(line[pos])))
            quoted ^= line[pos++] == '"';
        fields.push_back(Unquote(line.substr(start, pos - start)));
    }
}

// A header name as compared: ASCII lower case, without angle brackets,
// blanks, underscores or dots.
std::string Normal(std::string_view name)
{
    std::string out;
    for (char c : name) {
        if (c == '<' || c == '>' || c == ' ' || c == '_' || c == '.' || c == '"')
            continue;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// The header names of each column, in English and Chinese; "tickvol" is a
// volume only where no real volume is given.
const std::map<std::string, Column>& Names()
{
    static const std::map<std::string, Column> names = {
        {"date", Date},           {"day", Date},           {"datetime", Date},      {"timestamp", Date},
        {"日期", Date},           {"time", Time},          {"时间", Time},          {"open", Open},
        {"开盘", Open},           {"开盘价", Open},        {"high", High},          {"最高", High},
        {"最高价", High},         {"low", Low},            {"最低", Low},           {"最低价", Low},
        {"close", Close},         {"收盘", Close},         {"收盘价", Close},       {"volume", Volume},
        {"vol", Volume},          {"成交量", Volume},      {"openinterest", OpenInterest},
        {"openint", OpenInterest}, {"oi", OpenInterest},   {"持仓量", OpenInterest}, {"ticker", Ticker},
        {"symbol", Ticker},       {"代码", Ticker},
    };
    return names;
}

Columns None()
{
    Columns columns;
    columns.fill(-1);
    return columns;
}

} // namespace

void Split(std::string_view line, char delimiter, std::vector<std::string_view>& fields)
{
    fields.clear();
    if (delimiter == kBlanks)
        return SplitBlanks(line, fields);
    const bool quotes = line.find('"') != std::string_view::npos;
    std::size_t start = 0;
    while (true) {
        std::size_t end = start;
        if (quotes) {
            bool quoted = false;
            while (end < line.size() && (quoted || line[end] != delimiter))
                quoted ^= line[end++] == '"';
        } else {
            // Fields are short: a plain loop beats a library search here.
            while (end < line.size() && line[end] != delimiter)
                ++end;
        }
        fields.push_back(Unquote(line.substr(start, end - start)));
        if (end == line.size())
            return;
        start = end + 1;
    }
}

std::optional<char> DetectDelimiter(const std::vector<std::string_view>& lines)
{
    std::optional<char> best;
    std::size_t bestScore = 0;
    std::vector<std::string_view> fields;
    for (char delimiter : {'\t', ';', '|', ',', kBlanks}) {
        std::map<std::size_t, std::size_t> linesByCount;
        for (std::string_view line : lines) {
            Split(line, delimiter, fields);
            if (fields.size() >= 2)
                ++linesByCount[fields.size()];
        }
        for (const auto& [count, n] : linesByCount) {
            if (n > bestScore) {
                best = delimiter;
                bestScore = n;
            }
        }
    }
    return best;
}

std::optional<Columns> FromHeader(const std::vector<std::string_view>& fields)
{
    Columns columns = None();
    int tickVolume = -1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = Normal(fields[i]);
        const auto it = Names().find(name);
        if (it != Names().end() && columns[it->second] < 0)
            columns[it->second] = static_cast<int>(i);
        if (name == "tickvol")
            tickVolume = static_cast<int>(i);
    }
    if (columns[Volume] < 0)
        columns[Volume] = tickVolume;
    // Without a date column, the time column holds the whole moment (Unix
    // seconds, or a date with its time).
    if (columns[Date] < 0)
        std::swap(columns[Date], columns[Time]);
    if (columns[Date] < 0 || columns[Close] < 0)
        return std::nullopt;
    return columns;
}

std::optional<Columns> FromRow(const std::vector<std::string_view>& fields, bool (*isDate)(std::string_view))
{
    const int n = static_cast<int>(fields.size());
    Columns columns = None();
    const auto prices = [&](int first, int last) {
        for (int c = Open; c <= Close; ++c)
            columns[c] = first + (c - Open);
        if (last > first + 3)
            columns[Volume] = first + 4;
        if (last > first + 4)
            columns[OpenInterest] = first + 5;
        return columns;
    };
    if (n < 2)
        return std::nullopt;
    if (n == 7 && !isDate(fields[0]) && isDate(fields[1])) {
        columns[Ticker] = 0;
        columns[Date] = 1;
        return prices(2, 6);
    }
    if (!isDate(fields[0]))
        return std::nullopt;
    columns[Date] = 0;
    if (fields[1].find(':') != std::string_view::npos && n >= 6 && n <= 8) {
        columns[Time] = 1;
        return prices(2, n - 1);
    }
    if (n == 2) {
        columns[Close] = 1;
        return columns;
    }
    if (n >= 5 && n <= 7)
        return prices(1, n - 1);
    return std::nullopt;
}

std::size_t FieldsNeeded(const Columns& columns)
{
    return static_cast<std::size_t>(*std::max_element(columns.begin(), columns.end()) + 1);
}

} // namespace BarLayout
