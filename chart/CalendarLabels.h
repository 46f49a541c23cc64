#pragma once

#include <string_view>

// The calendar ring's labels: day offsets after 21 March (common year) to the
// solar-term dates and the month-end and mid-month day marks. A constant
// table, ready before any chart is drawn.

// The text for a key, empty when the key is not in the table.
std::string_view CalendarLabel(int key);
