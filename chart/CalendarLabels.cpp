#include "CalendarLabels.h"

// STUB: to be implemented.
std::map<int, std::string> g_CalendarLabels;
void BuildCalendarLabels() {}
void ClearCalendarLabels() { g_CalendarLabels.clear(); }
const std::string& CalendarLabel(int key)
{
    static const std::string empty;
    const auto it = g_CalendarLabels.find(key);
    return it == g_CalendarLabels.end() ? empty : it->second;
}
