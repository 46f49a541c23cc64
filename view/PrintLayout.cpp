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
    const Result<double> mmPerUnit = CPageGrid::MmPerUnitOfCell(cellMm, cellPitch);
    if (!mmPerUnit.Ok())
        return Failure{mmPerUnit.Message()};
    return CPageGrid::AtScale(region, sheet, mmPerUnit.Value());
}
