#include "CellTable.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"
#include "UiText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <ostream>
#include <sstream>

namespace CellTable {

namespace {

const Column kColumns[] = {
    {"n", UI_TEXT_NOOP("CellTable", "编号")},
    {"price", UI_TEXT_NOOP("CellTable", "价格")},
    {"date", UI_TEXT_NOOP("CellTable", "日期")},
    {"ring", UI_TEXT_NOOP("CellTable", "环")},
    {"angle", UI_TEXT_NOOP("CellTable", "角度")},
    {"x", "x"},
    {"y", "y"},
    {"label_date", UI_TEXT_NOOP("CellTable", "日期标签")},
};
} // namespace

std::string AngleText(float degrees)
{
    const double d = static_cast<double>(degrees);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", d > -0.005 && d < 359.995 ? d : 0.0);
    return text;
}

std::string PriceText(float price)
{
    if (!std::isfinite(price))
        return {};
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, price);
    return std::string(text, end.ptr);
}

std::string Field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::vector<std::string> HeaderRow(const Column* columns, std::size_t count, Headers headers, const char* context)
{
    std::vector<std::string> row;
    for (const Column* column = columns; column != columns + count; ++column)
        row.push_back(headers == Headers::Keys ? column->key : UiText(context, column->title));
    return row;
}

std::string Row(const std::vector<std::string>& fields)
{
    std::string row;
    for (const std::string& field : fields)
        row += (row.empty() ? "" : ",") + Field(field);
    return row + kRowEnd;
}

void WriteCsv(std::ostream& out, CBaseDraw& chart, const ChartKind& kind, Headers headers)
{
    out << kByteOrderMark << Row(HeaderRow(kColumns, std::size(kColumns), headers, "CellTable"));
    const long long cells = kind.cellCount(chart.LayoutRings());
    for (long long n = 1; n <= cells; ++n) {
        const CellFacts f = FactsOfCell(chart, kind, static_cast<int>(n));
        out << f.number << ',' << f.exactPrice << ',' << f.isoDate << ',' << f.ring << ','
            << Field(AngleText(f.angle)) << ',' << f.centre.x << ',' << f.centre.y << ',' << Field(f.date) << kRowEnd;
    }
}

std::string Csv(CBaseDraw& chart, const ChartKind& kind, Headers headers)
{
    std::ostringstream out;
    WriteCsv(out, chart, kind, headers);
    return out.str();
}

} // namespace CellTable
