#pragma once

#include "CellFacts.h"

#include <optional>
#include <string>

// The status bar's two texts: the facts of the cell under the pointer, empty
// over no cell, then the planet under it, and the window's zoom in percent.
struct PointerStatus {
    std::string cell;
    std::string zoom;
};

PointerStatus DescribePointer(const std::optional<CellFacts>& cell, float zoom, const std::string& body = {});
