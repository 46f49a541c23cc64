#include "BarFile.h"

#include "BarDates.h"
#include "BarEncoding.h"
#include "BarLayout.h"
#include "BarZone.h"
#include "PlainFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string_view>
#include <vector>

namespace BarFile {

namespace {

using BarLayout::Column;

// Larger files are refused before reading: ten million intraday bars fit.
constexpr std::size_t kMaxFileSize = std::size_t(1) << 30;
// Lines looked at to tell the delimiter, and lines above the header or
// first row that may be titles.
constexpr std::size_t kSampleLines = 50;
constexpr std::size_t kTitleLines = 5;
constexpr std::int64_t kDay = 86400;
// The top of a file that tells its ticker and name.
constexpr std::size_t kHeadingSize = std::size_t(1) << 16;
// Rows read between two reports of progress: a power of two, so that the
// test costs a row one mask.
constexpr std::size_t kProgressRows = std::size_t(1) << 16;

struct Line {
    std::string_view text;
    long long number = 0; // 1-based, as editors count
};

// One bad row: where, why and the text that shows it.
struct Fault {
    long long line = 0;
    int column = 0; // 1-based; 0 for the whole row
    std::string cause;
    std::string_view text;
};

std::vector<Line> NonBlankLines(std::string_view text)
{
    std::vector<Line> lines;
    long long number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        ++number;
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && (line.front() > ' ' || line.find_first_not_of(" \t") != std::string_view::npos))
            lines.push_back({line, number});
    }
    return lines;
}

std::string Quoted(std::string_view text)
{
    constexpr std::size_t kShown = 60;
    return "\"" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
}

// A price or volume: the plain form read in place; thousands separators, a
// decimal comma or a leading plus copied out first.
std::optional<double> Number(std::string_view text, bool decimalComma)
{
    double value = 0;
    if (!decimalComma) {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && end == text.data() + text.size())
            return value;
    }
    char buffer[64];
    std::size_t n = 0;
    for (std::size_t i = (!text.empty() && text.front() == '+') ? 1 : 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ' || c == (decimalComma ? '.' : ','))
            continue;
        if (c == ',')
            c = '.';
        if (n == sizeof buffer)
            return std::nullopt;
        buffer[n++] = c;
    }
    if (n == 0)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(buffer, buffer + n, value);
    if (ec != std::errc() || end != buffer + n)
        return std::nullopt;
    return value;
}

// The first title line's leading words, as Chinese trading software writes
// them above the header: the code, then the name.
void ReadTitle(std::string_view title, Contents& contents)
{
    std::vector<std::string_view> words;
    BarLayout::Split(title, BarLayout::kBlanks, words);
    const auto isCode = [](std::string_view w) {
        return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.';
        });
    };
    if (words.size() >= 2 && isCode(words[0])) {
        contents.symbol = words[0];
        contents.name = words[1];
    }
}

bool IsDate(std::string_view text)
{
    return BarDates::Detect(text) != nullptr;
}

// Reads one file's rows into bars with the layout found at its top.
class Reader {
public:
    Reader(std::string_view text, const std::string& name, const Options& options, const Progress& progress)
        : m_name(name)
        , m_options(options)
        , m_progress(progress)
        , m_lines(NonBlankLines(text))
    {
    }

    Result<Contents> Run()
    {
        if (const std::string bad = CheckOptions(m_options); !bad.empty())
            return Failure {bad};
        if (m_lines.empty())
            return Failure {m_name + ": no bars"};
        if (auto failure = FindLayout())
            return *failure;
        if (m_first == m_end)
            return Failure {m_name + ": no bars"};
        if (auto failure = FindDateForm())
            return *failure;
        m_zone = CBarZone::Find(m_options.zone).Value();
        if (auto failure = ReadRows())
            return *failure;
        Order();
        if (auto failure = Collapse())
            return *failure;
        if (m_bars.empty())
            return Failure {m_name + ": no bars"};
        m_contents.series.bars = std::move(m_bars);
        m_contents.series.intraday = std::any_of(m_contents.series.bars.begin(), m_contents.series.bars.end(),
                                                 [](const Bar& bar) { return (bar.time % kDay + kDay) % kDay != 0; });
        return std::move(m_contents);
    }

    // The ticker and name the top gives, as Run finds them, the rows unread.
    Contents Heading()
    {
        if (m_lines.empty() || FindLayout() || m_first == m_end)
            return {};
        BarLayout::Split(m_lines[m_first].text, m_delimiter, m_fields);
        if (m_contents.symbol.empty() && Has(Column::Ticker) && HasField(Column::Ticker))
            m_contents.symbol = Field(Column::Ticker);
        return std::move(m_contents);
    }

private:
    std::optional<Failure> Fail(const Fault& fault) const
    {
        std::string where = m_name + ", line " + std::to_string(fault.line);
        if (fault.column > 0)
            where += ", column " + std::to_string(fault.column);
        return Failure {where + ": " + fault.cause + ": " + Quoted(fault.text)};
    }

    // A bad row stops the import, or is counted by cause with --skip-bad.
    std::optional<Failure> Reject(const Fault& fault)
    {
        if (!m_options.skipBad)
            return Fail(fault);
        ++m_contents.skipped[fault.cause];
        return std::nullopt;
    }

    // The delimiter, then a header or a first row among the top lines; the
    // lines above it are titles, and the lines below the last row that hold
    // no date are a source note.
    std::optional<Failure> FindLayout()
    {
        std::vector<std::string_view> sample;
        for (std::size_t i = 0; i < m_lines.size() && i < kSampleLines; ++i)
            sample.push_back(m_lines[i].text);
        const auto delimiter = BarLayout::DetectDelimiter(sample);
        if (!delimiter)
            return Failure {m_name + ": no delimited fields (comma, semicolon, tab, bar or blanks)"};
        m_delimiter = *delimiter;
        std::size_t top = 0; // the header or first row
        for (; top < m_lines.size() && top < kTitleLines; ++top) {
            BarLayout::Split(m_lines[top].text, m_delimiter, m_fields);
            if ((m_columns = BarLayout::FromHeader(m_fields))) {
                m_first = top + 1;
                break;
            }
            if ((m_columns = BarLayout::FromRow(m_fields, IsDate))) {
                m_first = top;
                break;
            }
        }
        if (!m_columns)
            return Fail({m_lines[0].number, 0, "neither a header nor a row of bars", m_lines[0].text});
        if (top > 0)
            ReadTitle(m_lines[0].text, m_contents);
        m_needed = BarLayout::FieldsNeeded(*m_columns);
        m_end = m_lines.size();
        while (m_end > m_first && IsSourceNote(m_lines[m_end - 1].text))
            --m_end;
        m_decimalComma = m_delimiter == ';' && HasDecimalComma();
        return std::nullopt;
    }

    bool IsSourceNote(std::string_view line)
    {
        BarLayout::Split(line, m_delimiter, m_fields);
        return m_fields.size() < m_needed && !(HasField(Column::Date) && IsDate(Field(Column::Date)));
    }

    bool HasDecimalComma()
    {
        for (std::size_t i = m_first; i < m_end && i < m_first + kSampleLines; ++i) {
            BarLayout::Split(m_lines[i].text, m_delimiter, m_fields);
            for (int c = Column::Open; c <= Column::Close; ++c)
                if (Has(Column(c)) && HasField(Column(c)) && Field(Column(c)).find(',') != std::string_view::npos)
                    return true;
        }
        return false;
    }

    // The date form: the one asked for, else the first that reads the first
    // row's date. Whether a slash date starts with the month or the day is
    // told by the rows where one of them passes 12.
    std::optional<Failure> FindDateForm()
    {
        if (!m_options.dateFormat.empty()) {
            m_form = BarDates::FindForm(m_options.dateFormat);
            return std::nullopt;
        }
        for (std::size_t i = m_first; i < m_end && !m_form; ++i) {
            BarLayout::Split(m_lines[i].text, m_delimiter, m_fields);
            if (HasField(Column::Date))
                m_form = BarDates::Detect(Field(Column::Date));
        }
        if (!m_form) {
            BarLayout::Split(m_lines[m_first].text, m_delimiter, m_fields);
            const std::string_view text = HasField(Column::Date) ? Field(Column::Date) : m_lines[m_first].text;
            return Fail({m_lines[m_first].number, Col(Column::Date) + 1, "unreadable date", text});
        }
        if (m_form->read != BarDates::FindForm("MM/DD/YYYY")->read &&
            m_form->read != BarDates::FindForm("DD/MM/YYYY")->read)
            return std::nullopt;
        return SlashOrder();
    }

    std::optional<Failure> SlashOrder()
    {
        bool monthFirst = false, dayFirst = false;
        for (std::size_t i = m_first; i < m_end; ++i) {
            BarLayout::Split(m_lines[i].text, m_delimiter, m_fields);
            if (!HasField(Column::Date))
                continue;
            if (const auto ab = BarDates::SlashFields(Field(Column::Date))) {
                dayFirst |= ab->first > 12;
                monthFirst |= ab->second > 12;
            }
        }
        m_form = BarDates::FindForm(dayFirst ? "DD/MM/YYYY" : "MM/DD/YYYY");
        if (dayFirst == monthFirst)
            return Failure {m_name + ": " + (dayFirst ? "the dates mix DD/MM/YYYY and MM/DD/YYYY"
                                                      : "no day passes 12, so the dates may be DD/MM/YYYY "
                                                        "or MM/DD/YYYY") +
                            "; give the form with --date-format"};
        return std::nullopt;
    }

    std::optional<Failure> ReadRows()
    {
        m_bars.reserve(m_end - m_first);
        m_barLines.reserve(m_end - m_first);
        for (std::size_t i = m_first; i < m_end; ++i) {
            if ((i - m_first) % kProgressRows == 0 && m_progress &&
                !m_progress(static_cast<double>(i - m_first) / static_cast<double>(m_end - m_first)))
                return Failure {m_name + ": the import was cancelled"};
            BarLayout::Split(m_lines[i].text, m_delimiter, m_fields);
            Bar bar;
            std::optional<Fault> fault = ReadBar(m_lines[i], bar);
            if (!fault)
                fault = Check(bar);
            if (fault) {
                fault->line = m_lines[i].number;
                if (auto failure = Reject(*fault))
                    return failure;
                continue;
            }
            if (Has(Column::Ticker) && m_contents.symbol.empty())
                m_contents.symbol = Field(Column::Ticker);
            m_bars.push_back(bar);
            m_barLines.push_back(i);
        }
        return std::nullopt;
    }

    std::optional<Fault> ReadBar(const Line& line, Bar& bar)
    {
        if (m_fields.size() < m_needed)
            return Fault {0, static_cast<int>(m_fields.size()) + 1, "missing fields", line.text};
        if (auto fault = ReadTime(bar.time))
            return fault;
        double* prices[] = {&bar.open, &bar.high, &bar.low, &bar.close};
        for (int c = Column::Open; c <= Column::Close; ++c) {
            const Column column = PriceSource(static_cast<Column>(c));
            const auto price = Number(Field(column), m_decimalComma);
            if (!price)
                return Fault {0, Col(column) + 1, "unreadable number", Field(column)};
            if (!std::isfinite(*price))
                return Fault {0, Col(column) + 1, "non-finite price", Field(column)};
            *prices[c - Column::Open] = *price;
        }
        const std::pair<Column, std::optional<double>*> counts[] = {{Column::Volume, &bar.volume},
                                                                    {Column::OpenInterest, &bar.openInterest}};
        for (const auto& [c, value] : counts) {
            if (!Has(c) || Field(c).empty())
                continue;
            *value = Number(Field(c), m_decimalComma);
            if (!*value || !std::isfinite(**value))
                return Fault {0, Col(c) + 1, "unreadable number", Field(c)};
        }
        return std::nullopt;
    }

    // The bar's time from its date field, the time field when the date gave
    // none, and the zone when the file gave a UTC moment. Rows of one day
    // repeat its date, so the last one read is kept.
    std::optional<Fault> ReadTime(std::int64_t& time)
    {
        const std::string_view text = Field(Column::Date);
        if (text != m_lastDateText || !m_lastDate) {
            m_lastDate = m_form->read(text);
            m_lastDateText = text;
        }
        if (!m_lastDate)
            return Fault {0, Col(Column::Date) + 1, "unreadable date", text};
        BarDates::Stamp stamp = *m_lastDate;
        if (Has(Column::Time) && !stamp.hasTime) {
            const auto timeOfDay = BarDates::ReadTimeOfDay(Field(Column::Time));
            if (!timeOfDay)
                return Fault {0, Col(Column::Time) + 1, "unreadable time", Field(Column::Time)};
            stamp.seconds += *timeOfDay;
        }
        time = stamp.utc ? m_zone.Civil(stamp.seconds) : stamp.seconds;
        return std::nullopt;
    }

    std::optional<Fault> Check(const Bar& bar) const
    {
        if (bar.high < bar.low)
            return Fault {0, Col(PriceSource(Column::High)) + 1, "high below low", Field(PriceSource(Column::High))};
        for (Column c : {Column::Open, Column::Close}) {
            const double price = c == Column::Open ? bar.open : bar.close;
            if (Has(c) && (price > bar.high || price < bar.low))
                return Fault {0, Col(c) + 1, "open or close outside the high-low range", Field(c)};
        }
        return std::nullopt;
    }

    // Oldest first, whichever way the file ran.
    void Order()
    {
        const auto byTime = [](const Bar& a, const Bar& b) { return a.time < b.time; };
        if (std::is_sorted(m_bars.begin(), m_bars.end(), byTime))
            return;
        if (std::is_sorted(m_bars.rbegin(), m_bars.rend(), byTime)) {
            std::reverse(m_bars.begin(), m_bars.end());
            std::reverse(m_barLines.begin(), m_barLines.end());
            return;
        }
        std::vector<std::size_t> order(m_bars.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return m_bars[a].time < m_bars[b].time; });
        std::vector<Bar> bars(m_bars.size());
        std::vector<std::size_t> lines(m_bars.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            bars[i] = m_bars[order[i]];
            lines[i] = m_barLines[order[i]];
        }
        m_bars = std::move(bars);
        m_barLines = std::move(lines);
    }

    // Rows of one time collapse into one bar when they agree; when they do
    // not, none of them can be trusted.
    std::optional<Failure> Collapse()
    {
        std::size_t kept = 0;
        for (std::size_t begin = 0, end = 0; begin < m_bars.size(); begin = end) {
            end = begin + 1;
            std::size_t differing = 0; // the first row in the file that disagrees
            std::size_t first = begin;
            for (; end < m_bars.size() && m_bars[end].time == m_bars[begin].time; ++end)
                first = std::min(first, end, [&](std::size_t a, std::size_t b) { return m_barLines[a] < m_barLines[b]; });
            for (std::size_t i = begin; i < end; ++i)
                if (!(m_bars[i] == m_bars[first]) && (!differing || m_barLines[i] < m_barLines[differing - 1]))
                    differing = i + 1;
            if (differing) {
                const Line& line = m_lines[m_barLines[differing - 1]];
                BarLayout::Split(line.text, m_delimiter, m_fields);
                const Fault fault {line.number, Col(Column::Date) + 1, "duplicate time with different values",
                                   Field(Column::Date)};
                if (!m_options.skipBad)
                    return Fail(fault);
                m_contents.skipped[fault.cause] += static_cast<long long>(end - begin);
                continue;
            }
            m_bars[kept++] = m_bars[first];
        }
        m_bars.resize(kept);
        return std::nullopt;
    }

    int Col(Column c) const { return (*m_columns)[c]; }
    bool Has(Column c) const { return (*m_columns)[c] >= 0; }
    // The column a price is read from: its own, else the close, as in a
    // close-only file, whose bars' open, high and low are the close.
    Column PriceSource(Column c) const { return Has(c) ? c : Column::Close; }
    bool HasField(Column c) const { return m_fields.size() > static_cast<std::size_t>(Col(c)); }
    std::string_view Field(Column c) const { return m_fields[static_cast<std::size_t>(Col(c))]; }

    const std::string& m_name;
    const Options& m_options;
    const Progress& m_progress;
    std::vector<Line> m_lines;
    char m_delimiter = ',';
    bool m_decimalComma = false;
    std::optional<BarLayout::Columns> m_columns;
    std::size_t m_needed = 0;
    std::size_t m_first = 0; // the first line of bars, and one past the last
    std::size_t m_end = 0;
    const BarDates::Form* m_form = nullptr;
    CBarZone m_zone;
    std::vector<std::string_view> m_fields;
    std::string_view m_lastDateText;
    std::optional<BarDates::Stamp> m_lastDate;
    std::vector<Bar> m_bars;
    std::vector<std::size_t> m_barLines; // each bar's index in m_lines
    Contents m_contents;
};

} // namespace

std::string CheckOptions(const Options& options)
{
    if (!options.dateFormat.empty() && !BarDates::FindForm(options.dateFormat)) {
        std::string names;
        for (const BarDates::Form& form : BarDates::Forms())
            names += (names.empty() ? "" : ", ") + std::string(form.name);
        return "unknown date format \"" + options.dateFormat + "\"; one of " + names;
    }
    const Result<CBarZone> zone = CBarZone::Find(options.zone);
    return zone.Ok() ? std::string() : zone.Message();
}

Result<Contents> Parse(const std::string& text, const std::string& name, const Options& options,
                       const Progress& progress)
{
    std::string converted;
    return Reader(BarEncoding::ToUtf8(text, converted), name, options, progress).Run();
}

Contents ReadHeading(const std::string& path)
{
    Result<std::string> head = PlainFile::ReadStart(path, kHeadingSize);
    if (!head.Ok())
        return {};
    // Whole lines only, so that no character is cut in two.
    std::string& bytes = head.Value();
    if (bytes.size() == kHeadingSize)
        bytes.resize(bytes.rfind('\n') + 1);
    std::string converted;
    const Options options;
    return Reader(BarEncoding::ToUtf8(bytes, converted), path, options, Progress()).Heading();
}

Result<Contents> Read(const std::string& path, const Options& options, const Progress& progress)
{
    const Result<std::string> bytes = PlainFile::Read(path, kMaxFileSize);
    if (!bytes.Ok())
        return Failure {bytes.Message()};
    return Parse(bytes.Value(), path, options, progress);
}

} // namespace BarFile
