#include "ChartCaption.h"

#include "BaseDraw.h"

// A first form, the kind alone; the whole caption comes next.
std::vector<std::string> ChartCaption(CBaseDraw& chart, const CaptionContext& context)
{
    std::vector<std::string> lines{chart.GetName()};
    if (!context.printedOn.empty())
        lines.push_back(context.printedOn);
    return lines;
}
