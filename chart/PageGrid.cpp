#include "PageGrid.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr double kReadablePoints = 7.0;

struct NamedPaper {
    const char* name;
    PaperSize portrait;
};

constexpr NamedPaper kPapers[] = {
    {"A4", {210, 297}},       {"A3", {297, 420}},       {"A2", {420, 594}},
    {"Letter", {215.9, 279.4}}, {"Legal", {215.9, 355.6}},
};

// How many pages of printable extent tile (chart units) with neighbours
// sharing overlap cover extent. The small tolerance keeps an exact fit from
// taking one more page for a rounding.
double PagesAlong(double extent, double tile, double overlap)
{
    if (extent <= tile)
        return 1;
    return std::ceil((extent - overlap) / (tile - overlap) - 1e-9);
}

std::string Millimetres(double mm)
{
    std::string text = std::to_string(mm);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text + " mm";
}

std::string Lower(const std::string& text)
{
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

} // namespace

std::vector<std::string> CPageGrid::PaperNames()
{
    std::vector<std::string> names;
    for (const NamedPaper& paper : kPapers)
        names.emplace_back(paper.name);
    return names;
}

std::optional<PaperSize> CPageGrid::FindPaper(const std::string& name, bool landscape)
{
    const std::string key = Lower(name);
    for (const NamedPaper& paper : kPapers) {
        if (key != Lower(paper.name))
            continue;
        if (landscape)
            return PaperSize{paper.portrait.heightMm, paper.portrait.widthMm};
        return paper.portrait;
    }
    return std::nullopt;
}

double CPageGrid::ReadableMmPerUnit(int labelUnits)
{
    return kReadablePoints * CPageGrid::kMmPerPoint / std::max(labelUnits, 1);
}

Result<void> CPageGrid::CheckSheet(const Sheet& sheet)
{
    const double across = sheet.paper.widthMm - 2 * sheet.marginMm;
    const double down = sheet.paper.heightMm - 2 * sheet.marginMm;
    if (!(sheet.marginMm >= 0) || !(across > 0) || !(down > 0))
        return Failure{"a margin of " + Millimetres(sheet.marginMm) + " leaves nothing of the paper to print on"};
    if (!(sheet.overlapMm >= 0) || !(sheet.overlapMm < std::min(across, down) / 2))
        return Failure{"an overlap of " + Millimetres(sheet.overlapMm) + " must be less than half of " +
                       Millimetres(std::min(across, down)) + ", the printable side of the paper"};
    return {};
}

Result<double> CPageGrid::MmPerUnitOfCell(double cellMm, double cellPitch)
{
    if (!(cellPitch > 0))
        return Failure{"the chart has no two cells to measure a cell size by"};
    return cellMm / cellPitch;
}

Result<CPageGrid> CPageGrid::AtScale(const Rect& region, const Sheet& sheet, double mmPerUnit)
{
    if (const Result<void> checked = CheckSheet(sheet); !checked.Ok())
        return Failure{checked.Message()};
    if (!(mmPerUnit > 0) || !std::isfinite(mmPerUnit))
        return Failure{"the scale must be a positive number of millimetres a unit"};
    const double overlap = sheet.overlapMm / mmPerUnit;
    const double across = (sheet.paper.widthMm - 2 * sheet.marginMm) / mmPerUnit;
    const double down = (sheet.paper.heightMm - 2 * sheet.marginMm) / mmPerUnit;
    const double columns = PagesAlong(std::max(region.Width(), 1), across, overlap);
    const double rows = PagesAlong(std::max(region.Height(), 1), down, overlap);
    if (columns * rows > kMaxPages)
        return Failure{"the chart needs " + std::to_string(static_cast<long long>(columns)) + " x " +
                       std::to_string(static_cast<long long>(rows)) + " pages at that size, more than " +
                       std::to_string(kMaxPages)};
    return CPageGrid(region, sheet, mmPerUnit, static_cast<int>(columns), static_cast<int>(rows));
}

Result<CPageGrid> CPageGrid::OnPages(const Rect& region, const Sheet& sheet, int columns, int rows)
{
    if (const Result<void> checked = CheckSheet(sheet); !checked.Ok())
        return Failure{checked.Message()};
    if (columns < 1 || rows < 1 || static_cast<long long>(columns) * rows > kMaxPages)
        return Failure{"the pages across and down must be at least 1 and at most " + std::to_string(kMaxPages) +
                       " in all"};
    // n pages of printable extent p sharing overlap o span n p - (n - 1) o.
    const auto span = [&](int pages, double printable) { return pages * printable - (pages - 1) * sheet.overlapMm; };
    const double mmPerUnit =
        std::min(span(columns, sheet.paper.widthMm - 2 * sheet.marginMm) / std::max(region.Width(), 1),
                 span(rows, sheet.paper.heightMm - 2 * sheet.marginMm) / std::max(region.Height(), 1));
    return CPageGrid(region, sheet, mmPerUnit, columns, rows);
}

CPageGrid::CPageGrid(const Rect& region, const Sheet& sheet, double mmPerUnit, int columns, int rows)
    : m_sheet(sheet)
    , m_mmPerUnit(mmPerUnit)
    , m_columns(columns)
    , m_rows(rows)
{
    const PageTile first = Tile(0, 0);
    const double spanX = columns * (first.right - first.left) - (columns - 1) * sheet.overlapMm / mmPerUnit;
    const double spanY = rows * (first.bottom - first.top) - (rows - 1) * sheet.overlapMm / mmPerUnit;
    m_left = region.left - (spanX - region.Width()) / 2;
    m_top = region.top - (spanY - region.Height()) / 2;
}

PageTile CPageGrid::Tile(int row, int column) const
{
    const double width = (m_sheet.paper.widthMm - 2 * m_sheet.marginMm) / m_mmPerUnit;
    const double height = (m_sheet.paper.heightMm - 2 * m_sheet.marginMm) / m_mmPerUnit;
    const double overlap = m_sheet.overlapMm / m_mmPerUnit;
    const double left = m_left + column * (width - overlap);
    const double top = m_top + row * (height - overlap);
    return {row, column, left, top, left + width, top + height};
}
