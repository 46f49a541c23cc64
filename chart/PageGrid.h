#pragma once

#include "Geometry.h"
#include "Result.h"

#include <optional>
#include <string>
#include <vector>

// A paper's size in millimetres, as it lies on the printer.
struct PaperSize {
    double widthMm = 0;
    double heightMm = 0;
};

// What a wall chart is printed on: the paper, the strip at its edges a
// printer cannot reach (the marks and the page's label go there), and how far
// neighbouring pages repeat each other's edge so they can be pasted together.
struct Sheet {
    PaperSize paper;
    double marginMm = 10;
    double overlapMm = 10;
};

// One page's part of the chart, in chart units.
struct PageTile {
    int row = 0;
    int column = 0;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The pages a picture is printed on at a readable scale: how many across and
// down, and which part of the picture each carries. The grid is centred on
// the picture; every page shows the same extent, the tiles cover the picture
// without a gap and neighbours share exactly the sheet's overlap.
class CPageGrid {
public:
    // Beyond this a wall chart is a mistake in the size asked for.
    static constexpr int kMaxPages = 400;
    // Smaller cells are unreadable, larger ones fill a page with one cell.
    static constexpr double kSmallestCellMm = 0.5;
    static constexpr double kLargestCellMm = 500;
    static constexpr double kMmPerPoint = 25.4 / 72;

    // The papers by name: A4, A3, A2, Letter and Legal.
    static std::vector<std::string> PaperNames();
    // One of them (any case), portrait unless landscape.
    static std::optional<PaperSize> FindPaper(const std::string& name, bool landscape);
    // The scale at which labels labelUnits chart units high print at 7 pt,
    // the smallest size read comfortably at arm's length.
    static double ReadableMmPerUnit(int labelUnits);
    // The scale at which cells cellPitch chart units apart print cellMm
    // wide; a failure when the chart has no two cells to measure by.
    static Result<double> MmPerUnitOfCell(double cellMm, double cellPitch);

    // region (chart units) at mmPerUnit millimetres a unit, on as many pages
    // as it needs.
    static Result<CPageGrid> AtScale(const Rect& region, const Sheet& sheet, double mmPerUnit);
    // region on exactly columns x rows pages, at the largest scale they hold.
    static Result<CPageGrid> OnPages(const Rect& region, const Sheet& sheet, int columns, int rows);

    double MmPerUnit() const { return m_mmPerUnit; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    const Sheet& GetSheet() const { return m_sheet; }
    // The page at row and column, both from 0.
    PageTile Tile(int row, int column) const;

private:
    CPageGrid(const Rect& region, const Sheet& sheet, double mmPerUnit, int columns, int rows);
    static Result<void> CheckSheet(const Sheet& sheet);

    Sheet m_sheet;
    double m_mmPerUnit = 1;
    int m_columns = 1;
    int m_rows = 1;
    // The top left corner of page (0, 0) in chart units.
    double m_left = 0;
    double m_top = 0;
};
