#pragma once

#include "PanePainter.h"
#include "SkyEventSearch.h"

#include <cstdint>
#include <string>
#include <vector>

class CBarZone;

// The sky's events as the price pane marks them: at their moments on the
// pane's clock, with short plain labels.
namespace SkyEventMarks {

// "Sun", "Mercury": a body as the pane's labels name it.
std::string BodyName(int body);

// "Sun 30°" for an ingress (the sign's first degree), "Mercury R" or
// "Mercury D" for a station, "Sun 90° Jupiter" for an aspect.
std::string Label(const SkyEvent& event);

// The pane counts the exchange's civil time (see Bar), so an event stands
// where the exchange's clocks showed its moment: through the instrument's
// zone, or with none (zone null) at UT as if that were the exchange's clock.
// A daily bar covers its civil day, so this puts an evening event in New
// York on its own day's bar, not on the next.
std::vector<PaneEvent> Of(const std::vector<SkyEvent>& events, CBarZone* zone);

// The day (from 1970-01-01) of an event's UT moment, as the calendar ring
// ticks it.
std::int64_t DayOf(const SkyEvent& event);

} // namespace SkyEventMarks
