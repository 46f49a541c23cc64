#pragma once

#include <string>
#include <vector>

// Byte-level helpers of the date readers. Only ASCII letters, digits and
// blanks count as such, so that any other byte, whatever the locale, is just
// a character that matches nothing.
namespace DateText {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

inline bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The count of a phrase: 1 to 7 digits and nothing else, so that any count
// times 12 months or 7 days still fits an int.
bool ReadCount(const std::string& word, int& count);

// "<count> <rest>": a count, one blank and a non-empty rest.
bool SplitCount(const std::string& text, int& count, std::string& rest);

// The words of a text whose blanks are single spaces.
std::vector<std::string> SplitWords(const std::string& text);

} // namespace DateText
