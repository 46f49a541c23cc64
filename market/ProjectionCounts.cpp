#include "ProjectionCounts.h"

#include <charconv>

namespace ProjectionCounts {
namespace {

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool Read(const std::string& text, std::vector<int>& counts, bool& wholeYears, std::string& bad)
{
    counts.clear();
    wholeYears = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = Trimmed(text.substr(start, comma - start));
        start = comma + 1;
        int count = 0;
        // A leading plus, as the command line always took it.
        const char* first = item.data() + (item.size() > 1 && item[0] == '+' && item[1] != '-' ? 1 : 0);
        const auto [end, ec] = std::from_chars(first, item.data() + item.size(), count);
        if (item == "years") {
            wholeYears = true;
        } else if (ec == std::errc() && end == item.data() + item.size() && count >= 1 && count <= kMaxCount) {
            counts.push_back(count);
        } else {
            bad = item;
            return false;
        }
    }
    return true;
}

std::string Text(const std::vector<int>& counts, bool wholeYears)
{
    std::string text;
    for (const int count : counts)
        text += (text.empty() ? "" : ",") + std::to_string(count);
    return wholeYears ? text + (text.empty() ? "years" : ",years") : text;
}

} // namespace ProjectionCounts
