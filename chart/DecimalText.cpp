#include "DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace DecimalText {

void Append(std::string& text, double value)
{
    // Prices and counts have few decimals: find them by scaling, which is
    // several times quicker than the general conversion, and exact, since
    // both m and the power of ten are exact doubles and the division rounds
    // as a reader of the text does.
    double scale = 1;
    for (int decimals = 0; decimals <= 8 && std::fabs(value) < 1e15; ++decimals, scale *= 10) {
        const double m = std::nearbyint(value * scale);
        if (m / scale != value)
            continue;
        char digits[32];
        char* end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(std::fabs(m))).ptr;
        const std::ptrdiff_t whole = std::max<std::ptrdiff_t>(end - digits - decimals, 0);
        if (std::signbit(value) && m != 0)
            text += '-';
        text.append(whole == 0 ? "0" : "").append(digits, static_cast<std::size_t>(whole));
        if (decimals > 0)
            text.append(".").append(static_cast<std::size_t>(decimals - (end - digits - whole)), '0').append(
                digits + whole, end);
        return;
    }
    char digits[400];
    const std::to_chars_result fixed = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    text.append(digits, fixed.ec == std::errc() ? fixed.ptr : std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string Text(double value)
{
    std::string text;
    Append(text, value);
    return text;
}

} // namespace DecimalText
