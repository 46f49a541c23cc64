#include "HolidayFile.h"

#include "BarTime.h"
#include "PlainFile.h"

namespace HolidayFile {

namespace {

// A list of every trading holiday for centuries fits many times over.
constexpr std::size_t kMaxFileSize = 1 << 20;

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

Result<std::vector<std::int64_t>> Parse(const std::string& text, const std::string& name)
{
    std::vector<std::int64_t> days;
    std::size_t start = 0;
    for (int line = 1; start <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string date = Trimmed(text.substr(start, std::min(end, text.find('#', start)) - start));
        start = end + 1;
        if (date.empty())
            continue;
        const std::optional<std::int64_t> time = date.size() == 10 ? BarTime::Parse(date) : std::nullopt;
        if (!time)
            return Failure{name + " line " + std::to_string(line) + ": not a date YYYY-MM-DD"};
        days.push_back(*time / BarTime::kSecondsPerDay);
    }
    return days;
}

Result<std::vector<std::int64_t>> Read(const std::string& path)
{
    const Result<std::string> bytes = PlainFile::Read(path, kMaxFileSize);
    if (!bytes.Ok())
        return Failure{bytes.Message()};
    return Parse(bytes.Value(), path);
}

} // namespace HolidayFile
