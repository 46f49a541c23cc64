#pragma once

#include <map>
#include <string>

// The calendar ring's labels: day offsets after 21 March (common year) to the
// solar-term dates and the month-end and mid-month day marks.
extern std::map<int, std::string> g_CalendarLabels;

// Empties the table and fills it with its 49 entries; the view calls it once
// at its initial update.
void BuildCalendarLabels();
// Empties the table, as when the view is destroyed.
void ClearCalendarLabels();
// The text for a key, empty when the key is not in the table.
const std::string& CalendarLabel(int key);
