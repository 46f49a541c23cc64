#include "PrintLayout.h"

Result<CPageGrid> PrintLayout::Grid(const Rect& region, double cellPitch) const
{
    const std::optional<PaperSize> size = CPageGrid::FindPaper(paper, landscape);
    if (!size)
        return Failure{"no paper is named " + paper};
    Sheet sheet{*size};
    sheet.overlapMm = overlapMm;
    if (fit == Fit::Pages)
        return CPageGrid::OnPages(region, sheet, columns, rows);
    if (!(cellPitch > 0))
        return Failure{"the chart has no two cells to measure a cell size by"};
    return CPageGrid::AtScale(region, sheet, cellMm / cellPitch);
}
