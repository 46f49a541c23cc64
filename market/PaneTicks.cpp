#include "PaneTicks.h"

#include "CalendarDay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
// 1970-01-01 was a Thursday: day numbers of Mondays are 4 modulo 7.
constexpr std::int64_t kMondayOffset = 4;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

// One step of the time axis: a fixed number of seconds, or whole months.
struct DateStep {
    std::int64_t seconds = 0; // 0: a step of months
    int months = 0;
    double Length() const { return seconds ? static_cast<double>(seconds) : months * 30.44 * kDay; }
};

const DateStep kDateSteps[] = {
    {kMinute, 0},     {5 * kMinute, 0}, {15 * kMinute, 0}, {30 * kMinute, 0}, {kHour, 0},    {3 * kHour, 0},
    {6 * kHour, 0},   {12 * kHour, 0},  {kDay, 0},         {2 * kDay, 0},     {7 * kDay, 0}, {0, 1},
    {0, 3},           {0, 6},           {0, 12},           {0, 24},           {0, 60},       {0, 120},
    {0, 240},         {0, 600},         {0, 1200},
};

std::string TimeLabel(std::int64_t time, const DateStep& step)
{
    const std::int64_t day = FloorDiv(time, kDay);
    const CalendarDay c = DayOfNumber(day);
    const int year = static_cast<int>(c.year);
    if (step.months >= 12)
        return Format("%d", year);
    if (step.months)
        return Format("%04d-%02d", year, c.month);
    if (step.seconds >= kDay)
        return Format("%04d-%02d-%02d", year, c.month, c.day);
    const int seconds = static_cast<int>(time - day * kDay);
    if (seconds == 0)
        return Format("%04d-%02d-%02d", year, c.month, c.day);
    return Format("%02d:%02d", seconds / 3600, seconds / 60 % 60);
}

void FixedTicks(double first, double last, const DateStep& step, std::vector<PaneTick>& ticks)
{
    const std::int64_t offset = step.seconds == 7 * kDay ? kMondayOffset * kDay : 0;
    std::int64_t t = FloorDiv(static_cast<std::int64_t>(std::ceil(first)) - offset + step.seconds - 1, step.seconds) *
                         step.seconds + offset;
    for (; t <= last; t += step.seconds)
        ticks.push_back({static_cast<double>(t), TimeLabel(t, step)});
}

void MonthTicks(double first, double last, const DateStep& step, std::vector<PaneTick>& ticks)
{
    const CalendarDay start = DayOfNumber(FloorDiv(static_cast<std::int64_t>(std::floor(first)), kDay));
    std::int64_t index = start.year * 12LL + (start.month - 1);
    index = FloorDiv(index, step.months) * step.months;
    for (;; index += step.months) {
        const std::int64_t year = FloorDiv(index, 12);
        const int month = static_cast<int>(index - year * 12) + 1;
        const double t = static_cast<double>(DayNumber({year, month, 1}) * kDay);
        if (t > last)
            break;
        if (t >= first)
            ticks.push_back({t, TimeLabel(static_cast<std::int64_t>(t), step)});
    }
}

double NiceStep(double span, int maxTicks)
{
    const double raw = span / std::max(maxTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

std::string PriceLabel(double price, double step)
{
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 10);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, price);
    return text;
}

std::vector<PaneTick> LinearTicks(double low, double high, int maxTicks)
{
    std::vector<PaneTick> ticks;
    const double step = NiceStep(high - low, maxTicks);
    // Counted, not stepped by adding: at prices far beyond their span's
    // digits a step may not change the sum.
    const double first = std::ceil(low / step);
    for (int i = 0; i <= maxTicks && (first + i) * step <= high; ++i) {
        const double price = first + i == 0 ? 0.0 : (first + i) * step; // never "-0"
        ticks.push_back({price, PriceLabel(price, step)});
    }
    return ticks;
}

std::vector<PaneTick> LogTicks(double low, double high, int maxTicks)
{
    const int lowPower = static_cast<int>(std::floor(std::log10(low)));
    const int highPower = static_cast<int>(std::floor(std::log10(high)));
    const int powerStride = std::max(1, (highPower - lowPower + maxTicks) / std::max(maxTicks, 1));
    const bool multiples = 3 * (highPower - lowPower + 1) <= maxTicks;
    std::vector<PaneTick> ticks;
    for (int p = lowPower; p <= highPower; ++p) {
        if (!multiples && p % powerStride != 0)
            continue;
        const double power = std::pow(10.0, p);
        for (const double m : {1.0, 2.0, 5.0}) {
            if (m != 1 && !multiples)
                break;
            if (m * power >= low && m * power <= high)
                ticks.push_back({m * power, PriceLabel(m * power, power)});
        }
    }
    return ticks;
}

} // namespace

std::vector<PaneTick> DateTicks(double first, double last, int maxTicks)
{
    std::vector<PaneTick> ticks;
    if (!(last > first) || maxTicks < 1)
        return ticks;
    const double span = last - first;
    const DateStep* step = std::find_if(std::begin(kDateSteps), std::end(kDateSteps),
                                        [&](const DateStep& s) { return span / s.Length() <= maxTicks; });
    if (step == std::end(kDateSteps))
        --step;
    if (step->seconds)
        FixedTicks(first, last, *step, ticks);
    else
        MonthTicks(first, last, *step, ticks);
    return ticks;
}

std::vector<PaneTick> PriceTicks(double low, double high, int maxTicks, bool log)
{
    if (!(high > low) || maxTicks < 1)
        return {};
    if (log && low > 0 && high / low >= 10)
        return LogTicks(low, high, maxTicks);
    return LinearTicks(low, high, maxTicks);
}
