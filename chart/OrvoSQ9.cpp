#include "OrvoSQ9.h"

namespace {

// A common year: February always has 28 days.
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysInYear = 365;

} // namespace

// The second year repeats the first.
std::string OrvoSQ9::DayText(int n)
{
    if (n < 1 || n > 2 * kDaysInYear)
        return {};
    int day = n > kDaysInYear ? n - kDaysInYear : n;
    int month = 0;
    while (day > kMonthLengths[month])
        day -= kMonthLengths[month++];
    return std::to_string(month + 1) + "/" + std::to_string(day);
}
