#include "CalendarLabels.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// In key order. Solar-term dates ("month.day") alternate with day marks (the
// 15th or the last day of a month); key 365 closes the year with the first
// term again.
constexpr std::pair<int, std::string_view> kLabels[] = {
    {0, "3.21"},    {10, "31"},  {15, "4.5"},   {25, "15"},  {30, "4.20"},   {40, "30"},
    {45, "5.5"},    {55, "15"},  {61, "5.21"},  {71, "31"},  {76, "6.5"},    {86, "15"},
    {92, "6.21"},   {101, "30"}, {108, "7.7"},  {116, "15"}, {124, "7.23"},  {132, "31"},
    {139, "8.7"},   {147, "15"}, {155, "8.23"}, {163, "31"}, {170, "9.7"},   {178, "15"},
    {185, "9.22"},  {193, "30"}, {201, "10.8"}, {208, "15"}, {216, "10.23"}, {224, "31"},
    {232, "11.8"},  {239, "15"}, {246, "11.22"}, {254, "30"}, {261, "12.7"}, {269, "15"},
    {275, "12.21"}, {285, "31"}, {290, "1.5"},  {300, "15"}, {305, "1.20"},  {316, "31"},
    {320, "2.4"},   {331, "15"}, {335, "2.19"}, {344, "28"}, {349, "3.5"},   {359, "15"},
    {365, "3.21"},
};

} // namespace

std::string_view CalendarLabel(int key)
{
    const auto it = std::lower_bound(std::begin(kLabels), std::end(kLabels), key,
        [](const std::pair<int, std::string_view>& entry, int k) { return entry.first < k; });
    return it != std::end(kLabels) && it->first == key ? it->second : std::string_view();
}
