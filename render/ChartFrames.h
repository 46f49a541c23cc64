#pragma once

#include "FrameRecorder.h"
#include "RecordingSurface.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTransform>

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
// those pixels need painting. The operations before the first that changed
// are kept as a picture, which those pixels start from, and those after the
// last that changed as a transparent layer laid over them, so that a frame
// replays only what changed (text composited from the layer has the pixels
// of text drawn in place).
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
    void DropUnusedPieces();
    // Paints the pictures that are missing or no longer of the painter's
    // device; false when it can have none (it is no raster image).
    bool PreparePictures(const QPainter& painter, const FrameView& view);
    // Replays the operations [first, end) of the record on background into
    // layer, a picture of device, the raster image the painter draws on.
    void PaintLayer(const QPainter& painter, const QImage& device, const FrameView& view, std::size_t first,
                    std::size_t end, QImage& layer, Qt::GlobalColor background);

    std::vector<SurfaceOp> m_ops;
    std::vector<CFrameRecorder::Measure> m_measures;
    std::vector<QRect> m_pieces; // of the footprints and of operations gone
    std::size_t m_livePieces = 0;  // of the footprints
    std::vector<Footprint> m_footprints;
    std::optional<FrameView> m_view;
    // The record before m_ops, written over by the next.
    std::vector<SurfaceOp> m_spareOps;
    std::vector<Footprint> m_spareFootprints;
    QImage m_scratch{1, 1, QImage::Format_RGB32}; // the measuring painter's device
    // The operations that stayed the same in the last change, at the
    // beginning and at the end of the record.
    std::size_t m_stableHead = 0;
    std::size_t m_stableTail = 0;
    // What the first m_baseOps operations paint, and over it what the last
    // m_overOps paint; 0: no picture. A partial repaint replays only the
    // operations between.
    std::size_t m_baseOps = 0;
    QImage m_base;
    std::size_t m_overOps = 0;
    QImage m_over;
    // The painter's device and transform when the pictures were painted.
    QSize m_layerDevice;
    QTransform m_layerTransform;
};
