#include "LocaleDateConversion.h"

#include "DateText.h"
#include "OleDateTimeEx.h"

#include <langinfo.h>
#include <locale.h>

#include <utility>

namespace {

using DateText::IsBlank;
using DateText::IsDigit;

struct CivilDate {
    int year = 1899, month = 12, day = 30;
};

struct ClockTime {
    int hour = 0, minute = 0, second = 0;
};

enum FieldBits : unsigned { kYear = 1, kMonth = 2, kDay = 4 };

// A read position in a text that never moves past its end.
struct Cursor {
    const std::string& text;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[pos]; }
    bool Take(char c)
    {
        if (AtEnd() || text[pos] != c)
            return false;
        ++pos;
        return true;
    }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(text[pos]))
            ++pos;
    }
    bool AtEndAfterBlanks()
    {
        SkipBlanks();
        return AtEnd();
    }
    // A field of minDigits to maxDigits digits, not followed by another digit.
    bool Number(int minDigits, int maxDigits, int& value)
    {
        int digits = 0;
        value = 0;
        for (; digits < maxDigits && IsDigit(Peek()); ++digits)
            value = value * 10 + (text[pos++] - '0');
        return digits >= minDigits && !IsDigit(Peek());
    }
    // An upper-case word in any letter case, not followed by a letter.
    bool Word(const std::string& word)
    {
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (pos + i >= text.size() || DateText::ToUpper(text[pos + i]) != word[i])
                return false;
        }
        const std::size_t end = pos + word.size();
        if (end < text.size() && DateText::IsLetter(text[end]))
            return false;
        pos = end;
        return true;
    }
};

// year-month-day, with the same one of "-", "/", "." between the fields.
bool ReadYearMonthDay(Cursor& c, CivilDate& date)
{
    if (!c.Number(1, 4, date.year))
        return false;
    const char separator = c.Peek();
    if (separator != '-' && separator != '/' && separator != '.')
        return false;
    c.Take(separator);
    return c.Number(1, 2, date.month) && c.Take(separator) && c.Number(1, 2, date.day);
}

bool ReadFormattedDate(Cursor& c, const std::string& format, CivilDate& date, unsigned& seen);

// One strftime directive of a date format; any code but those of numeric
// dates leaves the date unread.
bool ReadDirective(Cursor& c, char code, CivilDate& date, unsigned& seen)
{
    switch (code) {
    case 'e':
        c.SkipBlanks();
        [[fallthrough]];
    case 'd':
        seen |= kDay;
        return c.Number(1, 2, date.day);
    case 'm':
        seen |= kMonth;
        return c.Number(1, 2, date.month);
    case 'Y':
        seen |= kYear;
        return c.Number(1, 4, date.year);
    case 'y': {
        // Two digits by the POSIX century rule (69 to 99 are 1969 to 1999,
        // 00 to 68 are 2000 to 2068); four digits, as people also type them
        // into a two-digit format, are the year itself.
        const std::size_t start = c.pos;
        seen |= kYear;
        if (!c.Number(2, 4, date.year) || c.pos - start == 3)
            return false;
        if (c.pos - start == 2)
            date.year += date.year < 69 ? 2000 : 1900;
        return true;
    }
    case 'D':
        return ReadFormattedDate(c, "%m/%d/%y", date, seen);
    case 'F':
        return ReadFormattedDate(c, "%Y-%m-%d", date, seen);
    case '%':
        return c.Take('%');
    default:
        return false;
    }
}

// A date laid out by a strftime format: blanks in the format match any run of
// blanks, other characters match themselves.
bool ReadFormattedDate(Cursor& c, const std::string& format, CivilDate& date, unsigned& seen)
{
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%') {
            if (i + 1 < format.size() && (format[i + 1] == 'E' || format[i + 1] == 'O'))
                ++i; // alternative digits or era: the plain field is read
            if (++i >= format.size() || !ReadDirective(c, format[i], date, seen))
                return false;
        } else if (IsBlank(format[i])) {
            c.SkipBlanks();
        } else if (!c.Take(format[i])) {
            return false;
        }
    }
    return true;
}

// H:M or H:M:S, then AM or PM for a 12-hour time.
bool ReadTime(Cursor& c, ClockTime& time)
{
    if (!c.Number(1, 2, time.hour) || !c.Take(':') || !c.Number(1, 2, time.minute))
        return false;
    if (c.Take(':') && !c.Number(1, 2, time.second))
        return false;
    c.SkipBlanks();
    const bool pm = c.Word("PM");
    if (!pm && !c.Word("AM"))
        return true;
    if (time.hour < 1 || time.hour > 12)
        return false;
    time.hour = time.hour % 12 + (pm ? 12 : 0);
    return true;
}

// What follows a date: nothing, or blanks and a time.
bool ReadTimeAfterDate(Cursor& c, ClockTime& time)
{
    const std::size_t dateEnd = c.pos;
    if (c.AtEndAfterBlanks())
        return true;
    return c.pos > dateEnd && ReadTime(c, time) && c.AtEndAfterBlanks();
}

COleDateTime MakeValue(const CivilDate& date, const ClockTime& time)
{
    return COleDateTime(date.year, date.month, date.day, time.hour, time.minute, time.second);
}

} // namespace

CLocaleDateConversion::CLocaleDateConversion(std::string dateFormat)
    : m_strDateFormat(std::move(dateFormat))
{
}

std::string CLocaleDateConversion::LocaleDateFormat(const std::string& localeName)
{
    const locale_t locale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (!locale)
        return {};
    std::string format = nl_langinfo_l(D_FMT, locale);
    freelocale(locale);
    return format;
}

COleDateTime CLocaleDateConversion::Convert(const std::string& text, unsigned long flags) const
{
    const COleDateTime dated = ReadDateTime(text);
    // A time alone names no date, so date-only mode does not read it.
    if (flags == COleDateTimeEx::ParseDateValueOnly)
        return dated.DatePart();
    const COleDateTime read = dated.GetStatus() == COleDateTime::valid ? dated : ReadTimeAlone(text);
    return flags == COleDateTimeEx::ParseTimeValueOnly ? read.TimePart() : read;
}

COleDateTime CLocaleDateConversion::ReadDateTime(const std::string& text) const
{
    const auto withDate = [&text](auto readDate) {
        Cursor c {text};
        CivilDate date;
        ClockTime time;
        c.SkipBlanks();
        if (!readDate(c, date) || !ReadTimeAfterDate(c, time))
            return COleDateTime::Invalid();
        return MakeValue(date, time);
    };
    const COleDateTime value = withDate(ReadYearMonthDay);
    if (value.GetStatus() == COleDateTime::valid || m_strDateFormat.empty())
        return value;
    return withDate([this](Cursor& c, CivilDate& date) {
        unsigned seen = 0;
        return ReadFormattedDate(c, m_strDateFormat, date, seen) && seen == (kYear | kMonth | kDay);
    });
}

COleDateTime CLocaleDateConversion::ReadTimeAlone(const std::string& text)
{
    Cursor c {text};
    ClockTime time;
    c.SkipBlanks();
    if (!ReadTime(c, time) || !c.AtEndAfterBlanks())
        return COleDateTime::Invalid();
    return MakeValue(CivilDate(), time);
}
