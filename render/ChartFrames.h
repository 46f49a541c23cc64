#pragma once

#include "FrameRecorder.h"
#include "RecordingSurface.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstddef>
#include <optional>
#include <vector>

class CBaseDraw;
class QPainter;

// Where a window shows a chart: window pixels per chart unit, the window
// position of chart point (0, 0) and the window's size.
struct FrameView {
    double scale = 1.0;
    QPoint origin;
    QSize size;

    friend bool operator==(const FrameView& a, const FrameView& b)
    {
        return a.scale == b.scale && a.origin == b.origin && a.size == b.size;
    }
};

// The frames of a drag. A full paint of a large chart costs tens of
// milliseconds, and a drag changes a few lines of it. Each frame records what
// the chart would paint, without painting, and compares it with the record
// of the picture shown: outside the pixels that the differing operations
// touch, both pictures apply the same operations in the same order, so only
// those pixels need painting, by replaying the record clipped to them. The
// operations before the first that changed are kept as a picture, which
// those pixels start from.
class CChartFrames {
public:
    // Records the chart as view shows it and returns the window pixels in
    // which that picture may differ from the one recorded before: the whole
    // window when there was none or view differs.
    QRegion Record(CBaseDraw& chart, const FrameView& view);

    // Paints the record in area (window pixels) through painter, whose
    // origin lies at chart point (0, 0). A paint of the whole window, or in
    // another view, records the chart anew first: whatever changed since,
    // the record is then what the window shows.
    void Paint(QPainter& painter, CBaseDraw& chart, const FrameView& view, const QRegion& area);

    bool HasRecord() const { return m_view.has_value(); }
    void Clear();

private:
    // The rectangles an operation may touch, in the painter's pixels.
    struct Footprint {
        std::size_t first = 0;
        std::size_t end = 0;
    };

    std::vector<SurfaceOp> RecordOps(CBaseDraw& chart, const FrameView& view, bool sameView);
    void PaintBase(const QPainter& painter, const FrameView& view);

    std::vector<SurfaceOp> m_ops;
    std::vector<CFrameRecorder::Measure> m_measures;
    std::vector<QRect> m_pieces;
    std::vector<Footprint> m_footprints;
    std::optional<FrameView> m_view;
    QImage m_scratch{1, 1, QImage::Format_RGB32}; // the measuring painter's device
    // What the operations before the first that changed last paint: a
    // partial repaint starts from it and replays only the rest.
    std::size_t m_stableOps = 0;
    std::size_t m_baseOps = 0; // in m_base; 0: none
    QImage m_base;
};
