#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

// A coarse cover of a region: the cells of a grid, kCell pixels a side,
// that any of its rectangles touches. Thin strips along a drag's lines come
// to thousands of rectangles; the cells give quick overlap tests and a region
// of a few hundred rectangles that Qt builds and clips to at little cost.
class CRegionGrid {
public:
    static constexpr int kCell = 8;

    // A grid over bounds, empty.
    explicit CRegionGrid(const QRect& bounds);
    // The cells of region.
    static CRegionGrid Covering(const QRegion& region);

    // Adds the cells rc touches within the bounds.
    void Add(const QRect& rc);
    // False only when rc surely misses the cells.
    bool MayMeet(const QRect& rc) const;
    // The cells, clipped to the bounds.
    QRegion Region() const;

private:
    // The cells rc touches, in cell coordinates; empty when it misses the bounds.
    QRect Cells(const QRect& rc) const;

    QRect m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<unsigned char> m_cells;
};
