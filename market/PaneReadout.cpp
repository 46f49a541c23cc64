#include "PaneReadout.h"

#include "BarTime.h"
#include "DecimalText.h"
#include "PaneColumns.h"
#include "PaneView.h"

#include <limits>

namespace PaneReadout {

namespace {

// A gap wider than this many slots is a stretch without bars (a night, a
// holiday of an intraday series), not the next bar's slot.
constexpr double kGapSlots = 4;

} // namespace

std::optional<std::size_t> BarAt(const CPaneColumns& columns, double time)
{
    const std::vector<Bar>& bars = columns.Series().bars;
    const double slot = CPaneView::Slot(columns.Series());
    const std::size_t next = columns.FirstAt(time);
    const auto timeOf = [&bars](std::size_t i) { return static_cast<double>(bars[i].time); };
    const double gap = next > 0 && next < bars.size() ? timeOf(next) - timeOf(next - 1)
                                                      : std::numeric_limits<double>::infinity();
    const double reach = gap <= kGapSlots * slot ? gap / 2 : slot / 2;
    const double after = next < bars.size() ? timeOf(next) - time : reach + 1;
    const double before = next > 0 ? time - timeOf(next - 1) : reach + 1;
    if (before <= reach && before <= after)
        return next - 1;
    if (after <= reach)
        return next;
    return std::nullopt;
}

std::string Text(const Bar& bar, bool intraday)
{
    std::string text = BarTime::Text(bar.time, intraday);
    const auto add = [&text](const char* label, double value) {
        text.append("  ").append(label).append(" ");
        DecimalText::Append(text, value);
    };
    add("O", bar.open);
    add("H", bar.high);
    add("L", bar.low);
    add("C", bar.close);
    if (bar.volume)
        add("V", *bar.volume);
    return text;
}

} // namespace PaneReadout
