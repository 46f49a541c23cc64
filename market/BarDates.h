#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The date and time forms of price files, as a table of small readers tried
// in a fixed order. A stamp is civil seconds from 1970-01-01 00:00 (as
// Bar::time), or a UTC moment where the text gave an offset or Unix time.
namespace BarDates {

struct Stamp {
    std::int64_t seconds = 0;
    bool hasTime = false; // the text carried a time of day
    bool utc = false;     // seconds count a UTC moment, to convert to the zone
};

// One date form: its name (as --date-format takes it) and its reader.
struct Form {
    const char* name;
    std::optional<Stamp> (*read)(std::string_view text);
};

// Every form, in the order detection tries them.
const std::vector<Form>& Forms();
// The form named name (any case); nothing when there is none.
const Form* FindForm(std::string_view name);
// The first form that reads text; nothing when none does. Days and months
// of slash dates are told apart by the data: see SlashOrder.
const Form* Detect(std::string_view text);

// For a slash date a/b/YYYY, a and b; nothing when text is no such date.
std::optional<std::pair<int, int>> SlashFields(std::string_view text);

// A time of day HH:MM[:SS] or HHMMSS (HMMSS, HHMM), in seconds.
std::optional<int> ReadTimeOfDay(std::string_view text);

// Days from 1970-01-01 of a valid civil date; nothing for an invalid one.
std::optional<std::int64_t> DaysFromCivil(int year, int month, int day);

} // namespace BarDates
