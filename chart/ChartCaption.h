#pragma once

#include <string>
#include <vector>

class CBaseDraw;

// What a caption says beyond the chart's own parameters, where present:
// each empty when there is none.
struct CaptionContext {
    std::string instrument; // the chart's instrument, such as "IDX Index"
    std::string pivot;      // the pivot the targets are from
    std::string printedOn;  // the date the page is printed, YYYY-MM-DD
};

// The lines that tell a reader of a printed or exported chart what it shows:
// the kind, start price and step, start date and time step, rings, the
// planets' moment and place when the planet ring shows them, then context's
// parts on a line of their own, in the interface language. Lines hold about
// 110 letters, short enough for a page's margin.
std::vector<std::string> ChartCaption(CBaseDraw& chart, const CaptionContext& context);
