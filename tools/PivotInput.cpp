#include "PivotInput.h"

#include "ChartPropertyRules.h"
#include "LocalMidnight.h"
#include "UiText.h"

#include <cstdio>

namespace PivotInput {

namespace {

bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t'; }

std::vector<std::string> Items(const std::string& text)
{
    std::vector<std::string> items;
    std::string item;
    for (const char c : text + ',') {
        if (!IsSeparator(c)) {
            item += c;
        } else if (!item.empty()) {
            items.push_back(item);
            item.clear();
        }
    }
    return items;
}

std::string Degrees(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

Result<CellQuery> ReadQuery(CellQuery::By by, const std::string& text)
{
    CellQuery query;
    query.by = by;
    switch (by) {
    case CellQuery::By::Price: {
        const std::optional<double> price = ChartPropertyRules::ParseReal(text);
        if (!price)
            return Failure{FillIn(UiText("PivotInput", "价格须为数字，不是“%1”"), {text})};
        query.price = *price;
        return query;
    }
    case CellQuery::By::Date: {
        const std::optional<std::int64_t> day = LocalMidnight(text);
        if (!day)
            return Failure{FillIn(UiText("PivotInput", "日期须为 YYYY-MM-DD 形式的真实日期，不是“%1”"), {text})};
        query.day = *day;
        return query;
    }
    case CellQuery::By::Number: break;
    }
    const std::optional<int> number = ChartPropertyRules::ParseInteger(text);
    if (!number || *number < 1)
        return Failure{FillIn(UiText("PivotInput", "编号须为不小于 1 的整数，不是“%1”"), {text})};
    query.number = *number;
    return query;
}

Result<std::vector<double>> ReadAngles(const std::string& text)
{
    std::vector<double> angles;
    for (const std::string& item : Items(text)) {
        const std::optional<double> theta = ChartPropertyRules::ParseReal(item);
        if (!theta || !IsTargetAngle(*theta))
            return Failure{FillIn(UiText("PivotInput", "角度须在 -720 与 720 之间（不含），不是“%1”"), {item})};
        angles.push_back(*theta);
    }
    if (angles.empty())
        return Failure{UiText("PivotInput", "请至少输入一个角度")};
    if (angles.size() > kMaxAngles)
        return Failure{FillIn(UiText("PivotInput", "角度最多 %1 个"), {std::to_string(kMaxAngles)})};
    return angles;
}

std::string AnglesText(const std::vector<double>& angles)
{
    std::string text;
    for (const double theta : angles)
        text += (text.empty() ? "" : ", ") + Degrees(theta);
    return text;
}

} // namespace PivotInput
