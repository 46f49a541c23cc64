#pragma once

#include <string>

struct WallChart;

// Writes chart to path as a PDF of its pages, row by row. Text stays text.
// The file is written whole or not at all; false with a message on failure.
bool ExportTiledPdf(const WallChart& chart, const std::string& path, std::string& error);
