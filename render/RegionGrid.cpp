#include "RegionGrid.h"

CRegionGrid::CRegionGrid(const QRect& bounds)
    : m_bounds(bounds)
    , m_columns((bounds.width() + kCell - 1) / kCell)
    , m_rows((bounds.height() + kCell - 1) / kCell)
    , m_cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows))
{
}

CRegionGrid CRegionGrid::Covering(const QRegion& region)
{
    CRegionGrid grid(region.boundingRect());
    for (const QRect& rc : region)
        grid.Add(rc);
    return grid;
}

QRect CRegionGrid::Cells(const QRect& rc) const
{
    const QRect r = (rc & m_bounds).translated(-m_bounds.topLeft());
    if (r.isEmpty())
        return {};
    return QRect(QPoint(r.left() / kCell, r.top() / kCell), QPoint(r.right() / kCell, r.bottom() / kCell));
}

void CRegionGrid::Add(const QRect& rc)
{
    const QRect cells = Cells(rc);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            m_cells[static_cast<std::size_t>(row) * m_columns + column] = 1;
}

bool CRegionGrid::MayMeet(const QRect& rc) const
{
    const QRect cells = Cells(rc);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            if (m_cells[static_cast<std::size_t>(row) * m_columns + column])
                return true;
    return false;
}

// Each row's runs of cells, in the order and form QRegion::setRects takes:
// sorted by y then x, rows of equal height, runs never touching.
QRegion CRegionGrid::Region() const
{
    std::vector<QRect> runs;
    for (int row = 0; row < m_rows; ++row) {
        const unsigned char* cells = &m_cells[static_cast<std::size_t>(row) * m_columns];
        for (int column = 0; column < m_columns;) {
            if (!cells[column]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < m_columns && cells[column])
                ++column;
            const QRect run(m_bounds.left() + first * kCell, m_bounds.top() + row * kCell, (column - first) * kCell, kCell);
            runs.push_back(run & m_bounds);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}
