#pragma once

#include "ChartExport.h"

#include <string>

class CPageGrid;

// Writes picture to path as a PDF of grid's pages, row by row, each page
// carrying its tile of the picture at the grid's scale, the marks that put
// the pages together (crop marks at the tile's corners, the overlap strip and
// a cross at the middle of each edge that meets a neighbour) and, below the
// tile, which page it is. Text stays text. The file is written whole or not
// at all; false with a message on failure.
bool ExportTiledPdf(const Picture& picture, const CPageGrid& grid, const std::string& path, std::string& error);
