#include "BarDates.h"

#include "CalendarDay.h"

#include <algorithm>
#include <cctype>

namespace BarDates {

namespace {

constexpr std::int64_t kDay = 86400;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads 1 to maxDigits digits at text[pos], advancing pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t minDigits, std::size_t maxDigits)
{
    int value = 0;
    std::size_t n = 0;
    while (pos < text.size() && n < maxDigits && IsDigit(text[pos])) {
        value = value * 10 + (text[pos++] - '0');
        ++n;
    }
    if (n < minDigits)
        return std::nullopt;
    return value;
}

bool Take(std::string_view text, std::size_t& pos, char c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

// HH:MM[:SS[.fraction]] at pos; the fraction of a second is dropped.
std::optional<int> ClockTime(std::string_view text, std::size_t& pos)
{
    const auto h = Digits(text, pos, 1, 2);
    if (!h || !Take(text, pos, ':'))
        return std::nullopt;
    const auto m = Digits(text, pos, 2, 2);
    int s = 0;
    if (m && Take(text, pos, ':')) {
        const auto sec = Digits(text, pos, 2, 2);
        if (!sec)
            return std::nullopt;
        s = *sec;
        if (Take(text, pos, '.') && !Digits(text, pos, 1, 9))
            return std::nullopt;
    }
    if (!m || *h > 23 || *m > 59 || s > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + s;
}

// Z, +HH, +HH:MM or +HHMM at pos, in seconds east of UTC.
std::optional<int> Offset(std::string_view text, std::size_t& pos)
{
    if (Take(text, pos, 'Z'))
        return 0;
    const int sign = Take(text, pos, '+') ? 1 : Take(text, pos, '-') ? -1 : 0;
    if (sign == 0)
        return std::nullopt;
    const auto h = Digits(text, pos, 2, 2);
    if (!h)
        return std::nullopt;
    Take(text, pos, ':');
    const auto m = (pos < text.size()) ? Digits(text, pos, 2, 2) : std::optional<int>(0);
    if (!m || *h > 18 || *m > 59)
        return std::nullopt;
    return sign * (*h * 3600 + *m * 60);
}

// A date's stamp with what follows it: nothing, or a blank or T, a time of
// day and an optional UTC offset.
std::optional<Stamp> WithTail(std::optional<std::int64_t> days, std::string_view text, std::size_t pos)
{
    if (!days)
        return std::nullopt;
    Stamp stamp;
    stamp.seconds = *days * kDay;
    if (pos == text.size())
        return stamp;
    if (text[pos] != ' ' && text[pos] != 'T')
        return std::nullopt;
    ++pos;
    const auto time = ClockTime(text, pos);
    if (!time)
        return std::nullopt;
    stamp.seconds += *time;
    stamp.hasTime = true;
    if (pos == text.size())
        return stamp;
    const auto offset = Offset(text, pos);
    if (!offset || pos != text.size())
        return std::nullopt;
    stamp.seconds -= *offset;
    stamp.utc = true;
    return stamp;
}

// Three numbers a<sep>b<sep>c with the digits each may have; sep is any of seps.
struct Triple {
    int a = 0, b = 0, c = 0;
    std::size_t end = 0;
};
std::optional<Triple> ReadTriple(std::string_view text, std::string_view seps, std::size_t aDigits, std::size_t cDigits)
{
    std::size_t pos = 0;
    Triple t;
    const auto a = Digits(text, pos, aDigits == 4 ? 4 : 1, aDigits);
    if (!a || pos >= text.size() || seps.find(text[pos]) == std::string_view::npos)
        return std::nullopt;
    const char sep = text[pos++];
    const auto b = Digits(text, pos, 1, 2);
    if (!b || !Take(text, pos, sep))
        return std::nullopt;
    const auto c = Digits(text, pos, cDigits == 4 ? 4 : 1, cDigits);
    if (!c)
        return std::nullopt;
    t.a = *a;
    t.b = *b;
    t.c = *c;
    t.end = pos;
    return t;
}

std::optional<Stamp> YearFirst(std::string_view text)
{
    const auto t = ReadTriple(text, "-/.", 4, 2);
    return t ? WithTail(DaysFromCivil(t->a, t->b, t->c), text, t->end) : std::nullopt;
}

std::optional<Stamp> Compact(std::string_view text)
{
    std::size_t pos = 0;
    const auto y = Digits(text, pos, 4, 4);
    const auto m = y ? Digits(text, pos, 2, 2) : std::nullopt;
    const auto d = m ? Digits(text, pos, 2, 2) : std::nullopt;
    if (!d || (pos < text.size() && IsDigit(text[pos])))
        return std::nullopt;
    return WithTail(DaysFromCivil(*y, *m, *d), text, pos);
}

std::optional<Stamp> DayDotMonth(std::string_view text)
{
    const auto t = ReadTriple(text, ".", 2, 4);
    return t ? WithTail(DaysFromCivil(t->c, t->b, t->a), text, t->end) : std::nullopt;
}

std::optional<Stamp> MonthSlashDay(std::string_view text)
{
    const auto t = ReadTriple(text, "/", 2, 4);
    return t ? WithTail(DaysFromCivil(t->c, t->a, t->b), text, t->end) : std::nullopt;
}

std::optional<Stamp> DaySlashMonth(std::string_view text)
{
    const auto t = ReadTriple(text, "/", 2, 4);
    return t ? WithTail(DaysFromCivil(t->c, t->b, t->a), text, t->end) : std::nullopt;
}

// Unix time of digitsMin..digitsMax digits, counting units per second.
std::optional<Stamp> Unix(std::string_view text, std::size_t digitsMin, std::size_t digitsMax, std::int64_t units)
{
    const std::size_t digits = std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin();
    if (digits < digitsMin || digits > digitsMax)
        return std::nullopt;
    if (digits != text.size() && (text[digits] != '.' || digits + 1 == text.size() ||
                                  !std::all_of(text.begin() + digits + 1, text.end(), IsDigit)))
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < digits; ++i)
        value = value * 10 + (text[i] - '0');
    Stamp stamp;
    stamp.seconds = value / units;
    stamp.hasTime = true;
    stamp.utc = true;
    return stamp;
}

std::optional<Stamp> UnixSeconds(std::string_view text)
{
    return Unix(text, 9, 10, 1);
}

std::optional<Stamp> UnixMilliseconds(std::string_view text)
{
    return Unix(text, 12, 13, 1000);
}

} // namespace

const std::vector<Form>& Forms()
{
    static const std::vector<Form> forms = {
        {"YYYY-MM-DD", YearFirst},     {"YYYYMMDD", Compact},         {"DD.MM.YYYY", DayDotMonth},
        {"MM/DD/YYYY", MonthSlashDay}, {"DD/MM/YYYY", DaySlashMonth}, {"unix", UnixSeconds},
        {"unix-ms", UnixMilliseconds},
    };
    return forms;
}

const Form* FindForm(std::string_view name)
{
    for (const Form& form : Forms()) {
        const std::string_view formName = form.name;
        if (std::equal(formName.begin(), formName.end(), name.begin(), name.end(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                   std::tolower(static_cast<unsigned char>(b)); }))
            return &form;
    }
    return nullptr;
}

const Form* Detect(std::string_view text)
{
    for (const Form& form : Forms())
        if (form.read(text))
            return &form;
    return nullptr;
}

std::optional<std::pair<int, int>> SlashFields(std::string_view text)
{
    const auto t = ReadTriple(text, "/", 2, 4);
    if (!t)
        return std::nullopt;
    return std::make_pair(t->a, t->b);
}

std::optional<int> ReadTimeOfDay(std::string_view text)
{
    std::size_t pos = 0;
    if (text.find(':') != std::string_view::npos) {
        const auto time = ClockTime(text, pos);
        return pos == text.size() ? time : std::nullopt;
    }
    if (text.size() < 3 || text.size() > 6 || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    // HHMM for three or four digits, HHMMSS for five or six.
    if (text.size() <= 4)
        value *= 100;
    const int h = value / 10000, m = value / 100 % 100, s = value % 100;
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

std::optional<std::int64_t> DaysFromCivil(int year, int month, int day)
{
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const CalendarDay civil{year, month, day};
    const std::int64_t number = DayNumber(civil);
    // A day past its month's end counts on into the next month.
    return DayOfNumber(number) == civil ? std::optional<std::int64_t>(number) : std::nullopt;
}

} // namespace BarDates
