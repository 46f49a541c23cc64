#include "DateTextParser.h"

#include "DateText.h"

using DateText::IsBlank;
using DateText::IsDigit;
using DateText::IsLetter;
using DateText::StartsWith;

namespace {

// A marker of the morning or afternoon at pos, just after a digit: blanks,
// A or P, a dot, a blank, M, a dot (each but the letters optional), and no
// letter or digit after it. Gives 'A' or 'P' and the end of the marker.
bool MeridiemAt(const std::string& text, std::size_t pos, char& marker, std::size_t& end)
{
    const auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    while (IsBlank(at(pos)))
        ++pos;
    marker = DateText::ToUpper(at(pos));
    if (marker != 'A' && marker != 'P')
        return false;
    pos += at(pos + 1) == '.' ? 2 : 1;
    pos += at(pos) == ' ' ? 1 : 0;
    if (DateText::ToUpper(at(pos)) != 'M')
        return false;
    pos += at(pos + 1) == '.' ? 2 : 1;
    end = pos;
    return !IsLetter(at(pos)) && !IsDigit(at(pos));
}

// "<unit> <tail>" or "<unit>": a unit of time, then whatever follows its blank.
bool SplitUnit(const std::string& text, TimeUnit& unit, std::string& tail)
{
    const std::size_t blank = text.find(' ');
    if (!CDateVocabulary::Unit(text.substr(0, blank), unit))
        return false;
    tail = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    return true;
}

// The count on the right of "+" or "-": days, bare or followed by DAYS, or WEEKS.
bool ReadDayCount(const std::string& text, int& days)
{
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits]))
        ++digits;
    int count = 0;
    if (!DateText::ReadCount(text.substr(0, digits), count))
        return false;
    std::string word = text.substr(digits);
    if (StartsWith(word, " "))
        word.erase(0, 1);
    TimeUnit unit = TimeUnit::Day;
    if (!word.empty() && !(CDateVocabulary::Unit(word, unit) && (unit == TimeUnit::Day || unit == TimeUnit::Week)))
        return false;
    days = unit == TimeUnit::Week ? 7 * count : count;
    return true;
}

} // namespace

CDateTextParser::CDateTextParser(const std::string& localeName, const COleDateTime& now)
    : m_conversion(CLocaleDateConversion::LocaleDateFormat(localeName))
    , m_timeParser(now)
    , m_now(now)
{
}

COleDateTime CDateTextParser::Parse(const std::string& text, unsigned long flags) const
{
    return ParseAt(text, flags, 0);
}

COleDateTime CDateTextParser::ParseAt(const std::string& text, unsigned long flags, int depth) const
{
    if (depth > kMaxDepth || text.size() > kMaxTextLength)
        return COleDateTime::Invalid();
    const bool dateOnly = flags == COleDateTimeEx::ParseDateValueOnly;
    const std::string normalised = dateOnly ? text : NormaliseMeridiem(text);
    const COleDateTime read = m_conversion.Convert(normalised, flags);
    if (read.GetStatus() == COleDateTime::valid)
        return read;
    const std::string prepared = PrepareText(normalised);
    if (flags == COleDateTimeEx::ParseTimeValueOnly)
        return m_timeParser.Parse(prepared).TimePart();
    const COleDateTimeEx date = ParseDate(prepared, depth);
    if (date.IsValid() || dateOnly)
        return date;
    return m_timeParser.Parse(prepared);
}

std::string CDateTextParser::NormaliseMeridiem(const std::string& text)
{
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        result += text[i];
        char marker = 0;
        std::size_t end = 0;
        if (IsDigit(text[i]) && MeridiemAt(text, i + 1, marker, end)) {
            result += std::string(" ") + marker + 'M';
            i = end;
        } else {
            ++i;
        }
    }
    return result;
}

std::string CDateTextParser::PrepareText(const std::string& text)
{
    std::string upper;
    for (const char c : text) {
        if (!IsBlank(c))
            upper += DateText::ToUpper(c);
        else if (!upper.empty() && upper.back() != ' ')
            upper += ' ';
    }
    if (!upper.empty() && upper.back() == ' ')
        upper.pop_back();
    const auto isWordChar = [](char c) { return IsLetter(c) || IsDigit(c); };
    std::string prepared;
    for (std::size_t i = 0; i < upper.size();) {
        std::size_t end = i;
        while (end < upper.size() && isWordChar(upper[end]))
            ++end;
        if (end == i) {
            prepared += upper[i++];
            continue;
        }
        const std::string word = upper.substr(i, end - i);
        const std::string* phrase = CDateVocabulary::Abbreviation(word);
        prepared += phrase ? *phrase : word;
        i = end;
    }
    return prepared;
}

COleDateTimeEx CDateTextParser::ParseDate(const std::string& text, int depth) const
{
    static const Form kForms[] = {
        &CDateTextParser::FixedPhrase,
        &CDateTextParser::CountFromNow,
        &CDateTextParser::NthWeekday,
        &CDateTextParser::CountAndDate,
        &CDateTextParser::DateAndCount,
        &CDateTextParser::WeekdayCount,
        &CDateTextParser::HolidayWithDirection,
        &CDateTextParser::HolidayWithYear,
        &CDateTextParser::InCount,
    };
    for (const Form form : kForms) {
        const COleDateTimeEx value = (this->*form)(text, depth);
        if (value.IsValid())
            return value;
    }
    return COleDateTime::Invalid();
}

// "TOMORROW", "CHRISTMAS", "LAST FRIDAY", "A MONTH AGO" and the other phrases
// of the vocabulary's table.
COleDateTimeEx CDateTextParser::FixedPhrase(const std::string& text, int) const
{
    const PhraseRule* rule = CDateVocabulary::Phrase(text);
    if (!rule)
        return COleDateTime::Invalid();
    switch (rule->kind) {
    case PhraseRule::Shift:
        return Shifted(m_now, rule->unit, rule->value);
    case PhraseRule::SameDayOtherYear:
        return m_now.AddYears(rule->value);
    case PhraseRule::Holiday:
        return BareHoliday(*rule->holiday);
    case PhraseRule::WeekdayBefore:
        return NearestWeekday(rule->value, -1);
    case PhraseRule::WeekdayAfter:
        return NearestWeekday(rule->value, 1);
    }
    return COleDateTime::Invalid();
}

// "3 DAYS AGO", "2 WEEKS FROM NOW".
COleDateTimeEx CDateTextParser::CountFromNow(const std::string& text, int) const
{
    int count = 0;
    std::string rest;
    std::string tail;
    TimeUnit unit = TimeUnit::Day;
    if (!DateText::SplitCount(text, count, rest) || !SplitUnit(rest, unit, tail))
        return COleDateTime::Invalid();
    if (tail == "AGO")
        return Shifted(m_now, unit, -count);
    if (tail == "FROM NOW")
        return Shifted(m_now, unit, count);
    return COleDateTime::Invalid();
}

// "2ND MONDAY IN MAY", in the current year.
COleDateTimeEx CDateTextParser::NthWeekday(const std::string& text, int) const
{
    const std::vector<std::string> words = DateText::SplitWords(text);
    if (words.size() != 4 || words[2] != "IN")
        return COleDateTime::Invalid();
    const int n = CDateVocabulary::Ordinal(words[0]);
    const int weekday = CDateVocabulary::Weekday(words[1]);
    const int month = CDateVocabulary::Month(words[3]);
    if (n == 0 || weekday == 0 || month == 0)
        return COleDateTime::Invalid();
    return COleDateTimeEx::NthWeekdayOfMonth(m_now.GetYear(), month, weekday, n);
}

// "10 DAYS AFTER CHRISTMAS", "2 MONTHS BEFORE 2012/03/31": any date text
// after the phrase.
COleDateTimeEx CDateTextParser::CountAndDate(const std::string& text, int depth) const
{
    int count = 0;
    std::string rest;
    std::string tail;
    TimeUnit unit = TimeUnit::Day;
    if (!DateText::SplitCount(text, count, rest) || !SplitUnit(rest, unit, tail))
        return COleDateTime::Invalid();
    static const struct {
        const char* word;
        int sign;
    } kDirections[] = {{"FROM ", 1}, {"AFTER ", 1}, {"BEFORE ", -1}};
    for (const auto& direction : kDirections) {
        const std::string word = direction.word;
        if (StartsWith(tail, word) && tail.size() > word.size()) {
            const COleDateTimeEx from = ParseAt(tail.substr(word.size()), COleDateTimeEx::ParseDateAndTime, depth + 1);
            return Shifted(from, unit, direction.sign * count);
        }
    }
    return COleDateTime::Invalid();
}

// "2012/01/31 + 10", "CHRISTMAS MINUS 2 WEEKS": the last operator whose right
// side is a count splits the text, so that "X + 1 - 2" reads left to right.
COleDateTimeEx CDateTextParser::DateAndCount(const std::string& text, int depth) const
{
    static const struct {
        const char* separator;
        int sign;
    } kOperators[]
        = {{" + ", 1}, {" +", 1}, {"+ ", 1}, {" PLUS ", 1}, {" - ", -1}, {"- ", -1}, {" -", -1}, {" MINUS ", -1}};
    for (const auto& op : kOperators) {
        const std::string separator = op.separator;
        const std::size_t at = text.rfind(separator);
        int days = 0;
        if (at == std::string::npos || at == 0 || !ReadDayCount(text.substr(at + separator.size()), days))
            continue;
        const COleDateTimeEx from = ParseAt(text.substr(0, at), COleDateTimeEx::ParseDateAndTime, depth + 1);
        return from + COleDateTimeSpan(static_cast<long>(op.sign) * days, 0, 0, 0);
    }
    return COleDateTime::Invalid();
}

// "2 FRIDAYS AGO", "3 SUNDAYS FROM TODAY": counted day by day from the day
// next to today, keeping the time of day.
COleDateTimeEx CDateTextParser::WeekdayCount(const std::string& text, int) const
{
    int count = 0;
    std::string rest;
    if (!DateText::SplitCount(text, count, rest))
        return COleDateTime::Invalid();
    const std::size_t blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    if (DateText::EndsWith(word, "S"))
        word.pop_back();
    const std::string tail = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    const int weekday = CDateVocabulary::Weekday(word);
    const int direction = tail == "AGO" ? -1 : (tail == "FROM NOW" || tail == "FROM TODAY") ? 1 : 0;
    if (weekday == 0 || direction == 0)
        return COleDateTime::Invalid();
    COleDateTimeEx day = Shifted(m_now, TimeUnit::Day, direction);
    if (count == 0)
        return day;
    for (int stepped = 1, found = 0; stepped <= kMaxWeekdaySteps; ++stepped) {
        if (day.GetDayOfWeek() == weekday && ++found == count)
            return day;
        day = Shifted(day, TimeUnit::Day, direction);
    }
    return COleDateTime::Invalid();
}

// "NEXT CHRISTMAS", "THIS PAST EASTER": the holiday in the current year, or in
// the next or previous one when the current year's is not on that side of now.
COleDateTimeEx CDateTextParser::HolidayWithDirection(const std::string& text, int) const
{
    static const struct {
        const char* prefix;
        int direction;
    } kPrefixes[]
        = {{"NEXT ", 1}, {"THIS NEXT ", 1}, {"LAST ", -1}, {"PAST ", -1}, {"THIS LAST ", -1}, {"THIS PAST ", -1}};
    for (const auto& prefix : kPrefixes) {
        const std::string word = prefix.prefix;
        const HolidayRule* rule = StartsWith(text, word) ? CDateVocabulary::Holiday(text.substr(word.size())) : nullptr;
        if (!rule)
            continue;
        const int year = m_now.GetYear();
        const COleDateTimeEx date = rule->date(year);
        if (prefix.direction > 0)
            return date > m_now ? date : rule->date(year + 1);
        return date < m_now ? date : rule->date(year - 1);
    }
    return COleDateTime::Invalid();
}

// "EASTER 2030".
COleDateTimeEx CDateTextParser::HolidayWithYear(const std::string& text, int) const
{
    const std::size_t blank = text.rfind(' ');
    int year = 0;
    if (blank == std::string::npos || !DateText::ReadCount(text.substr(blank + 1), year))
        return COleDateTime::Invalid();
    const HolidayRule* rule = CDateVocabulary::Holiday(text.substr(0, blank));
    return rule ? rule->date(year) : COleDateTime::Invalid();
}

// "IN 3 DAYS", "IN 2 MONTHS".
COleDateTimeEx CDateTextParser::InCount(const std::string& text, int) const
{
    int count = 0;
    std::string rest;
    std::string tail;
    TimeUnit unit = TimeUnit::Day;
    if (!StartsWith(text, "IN ") || !DateText::SplitCount(text.substr(3), count, rest) || !SplitUnit(rest, unit, tail)
        || !tail.empty())
        return COleDateTime::Invalid();
    return Shifted(m_now, unit, count);
}

COleDateTimeEx CDateTextParser::BareHoliday(const HolidayRule& rule) const
{
    const int year = m_now.GetYear();
    switch (rule.bareYear) {
    case HolidayYear::Current:
        return rule.date(year);
    case HolidayYear::Next:
        return rule.date(year + 1);
    case HolidayYear::Upcoming:
        return rule.date(rule.date(year) < m_now ? year + 1 : year);
    case HolidayYear::UpcomingEaster:
        return rule.date(COleDateTimeEx::Easter(year) < m_now ? year + 1 : year);
    }
    return COleDateTime::Invalid();
}

COleDateTimeEx CDateTextParser::NearestWeekday(int weekday, int direction) const
{
    const int today = m_now.GetDayOfWeek();
    const int days = direction > 0 ? (weekday - today + 7) % 7 : (today - weekday + 7) % 7;
    return Shifted(m_now, TimeUnit::Day, direction * (days == 0 ? 7 : days));
}

COleDateTimeEx CDateTextParser::Shifted(const COleDateTimeEx& from, TimeUnit unit, int count)
{
    switch (unit) {
    case TimeUnit::Day:
        return from + COleDateTimeSpan(count, 0, 0, 0);
    case TimeUnit::Week:
        return from + COleDateTimeSpan(7L * count, 0, 0, 0);
    case TimeUnit::Month:
        return count >= 0 ? from.AddMonths(count) : from.SubtractMonths(-count);
    case TimeUnit::Year:
        return count >= 0 ? from.AddMonths(12 * count) : from.SubtractMonths(-12 * count);
    }
    return COleDateTime::Invalid();
}
