#include "DateText.h"

#include <algorithm>

namespace DateText {

bool ReadCount(const std::string& word, int& count)
{
    if (word.empty() || word.size() > 7 || !std::all_of(word.begin(), word.end(), IsDigit))
        return false;
    count = std::stoi(word);
    return true;
}

bool SplitCount(const std::string& text, int& count, std::string& rest)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos || blank + 1 >= text.size() || !ReadCount(text.substr(0, blank), count))
        return false;
    rest = text.substr(blank + 1);
    return true;
}

std::vector<std::string> SplitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return words;
}

} // namespace DateText
