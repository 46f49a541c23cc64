#pragma once

#include "CellFacts.h"

#include <optional>
#include <string>

struct CalendarDay;

// The status bar's texts: the facts of the cell under the pointer, empty
// over no cell, then the planet under it; the cell 查找 found, while it is
// marked; the window's zoom in percent.
struct PointerStatus {
    std::string cell;
    std::string found;
    std::string zoom;
};

PointerStatus DescribePointer(const std::optional<CellFacts>& cell, float zoom, const std::string& body = {},
                              const std::optional<CellFacts>& found = {});

// A cell's day as people write it, with its year, where the labels leave the
// year out: "2013-05-19", by months "2013-05"; "?" for no day.
std::string FullDate(const std::optional<CalendarDay>& day, bool byMonth);
