#include "ChartFrames.h"

#include "ChartExport.h"
#include "DeviceMapping.h"
#include "FrameRecorder.h"
#include "PainterSurface.h"
#include "RegionGrid.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Lines and outlines are covered by strips of about this many pixels each,
// so that a long diagonal does not bring in its whole bounding box.
constexpr double kPiece = 16.0;
constexpr int kMaxPieces = 512;
// Far beyond any window, in pixels: what lies outside cannot be seen, and
// keeps huge coordinates within int.
const QRectF kReach(-1e6, -1e6, 2e6, 2e6);

QRect Bounded(const QRectF& rc, int margin)
{
    return (rc.normalized().adjusted(-margin, -margin, margin, margin) & kReach).toAlignedRect();
}

// Pixels beside a shape's path that its pen may touch, with one to spare.
int PenMargin(const Pen& pen, double zoom)
{
    const double pixels = std::clamp(pen.width * zoom, 1.0, 1e4);
    return static_cast<int>(std::ceil(pixels / 2)) + 2;
}

void AddStrips(QPointF p, QPointF q, int margin, std::vector<QRect>& out)
{
    const QPointF d = q - p;
    const bool straight = d.x() == 0 || d.y() == 0;
    const int n = straight ? 1 : std::clamp(static_cast<int>(std::ceil(std::hypot(d.x(), d.y()) / kPiece)), 1, kMaxPieces);
    for (int i = 0; i < n; ++i)
        out.push_back(Bounded(QRectF(p + d * i / n, p + d * (i + 1) / n), margin));
}

// Strips along the chords of an ellipse's outline, widened by how far the
// outline bulges beyond them.
void AddOutline(const QRectF& box, int margin, std::vector<QRect>& out)
{
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    const double r = std::max(rx, ry);
    const int k = std::clamp(static_cast<int>(std::ceil(2 * M_PI * r / kPiece)), 8, kMaxPieces);
    const int bulge = static_cast<int>(std::ceil(r * (1 - std::cos(M_PI / k))));
    const QPointF c = box.center();
    QPointF previous = c + QPointF(rx, 0);
    for (int i = 1; i <= k; ++i) {
        const double a = 2 * M_PI * i / k;
        const QPointF next = c + QPointF(rx * std::cos(a), ry * std::sin(a));
        out.push_back(Bounded(QRectF(previous, next), margin + bulge));
        previous = next;
    }
}

void AddFootprint(const SurfaceOp& op, const CDeviceMapping& map, std::vector<QRect>& out)
{
    const int margin = PenMargin(op.pen, map.Zoom());
    switch (op.kind) {
    case SurfaceOp::Kind::LineTo: AddStrips(map.ToDevice(op.from), map.ToDevice(op.to), margin, out); return;
    case SurfaceOp::Kind::Ellipse:
        if (op.brush.hollow)
            AddOutline(map.ToDevice(op.rect), margin + 1, out);
        else
            out.push_back(Bounded(map.ToDevice(op.rect), margin));
        return;
    default:
        // Fills and frames keep to their rectangle, text to its box (it is clipped where it would leave it).
        out.push_back(Bounded(map.ToDevice(op.rect), 1));
        return;
    }
}

// Whether two operations draw the same pixels on the same picture: what
// each kind of operation uses, compared.
bool SameOp(const SurfaceOp& a, const SurfaceOp& b)
{
    using Kind = SurfaceOp::Kind;
    if (a.kind != b.kind || !(a.rect == b.rect))
        return false;
    switch (a.kind) {
    case Kind::LineTo: return a.from == b.from && a.to == b.to && a.pen == b.pen;
    case Kind::Ellipse: return a.pen == b.pen && a.brush == b.brush;
    case Kind::FillRect:
    case Kind::FillEllipse: return a.brush == b.brush;
    case Kind::FillSolidRect: return a.color == b.color;
    case Kind::Draw3dRect: return a.color == b.color && a.color2 == b.color2;
    case Kind::Text:
        return a.color == b.color && a.flags == b.flags && a.bkMode == b.bkMode &&
               (a.bkMode != BkMode::Opaque || a.bkColor == b.bkColor) && a.text == b.text && a.font == b.font;
    default: return true;
    }
}

void Replay(const SurfaceOp& op, CDrawSurface& dc)
{
    using Kind = SurfaceOp::Kind;
    if (!(dc.CurrentPen() == op.pen))
        dc.SelectPen(op.pen);
    if (!(dc.CurrentBrush() == op.brush))
        dc.SelectBrush(op.brush);
    switch (op.kind) {
    case Kind::LineTo:
        dc.MoveTo(op.from.x, op.from.y);
        dc.LineTo(op.to.x, op.to.y);
        return;
    case Kind::Ellipse: dc.Ellipse(op.rect); return;
    case Kind::FillRect: dc.FillRect(op.rect, op.brush); return;
    case Kind::FillEllipse: dc.FillEllipse(op.rect, op.brush); return;
    case Kind::FillSolidRect: dc.FillSolidRect(op.rect, op.color); return;
    case Kind::Draw3dRect: dc.Draw3dRect(op.rect, op.color, op.color2); return;
    case Kind::Text: {
        if (!(dc.CurrentFont() == op.font))
            dc.SelectFont(op.font);
        dc.SetTextColor(op.color);
        dc.SetBkColor(op.bkColor);
        dc.SetBkMode(op.bkMode);
        Rect rc = op.rect;
        dc.DrawText(op.text, rc, op.flags);
        return;
    }
    default: return;
    }
}

// The lengths of the longest common beginning and end of two records, which
// do not overlap: the operations between them, old and new, cover every
// pixel in which the pictures differ.
std::pair<std::size_t, std::size_t> CommonEnds(const std::vector<SurfaceOp>& a, const std::vector<SurfaceOp>& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t head = 0;
    while (head < common && SameOp(a[head], b[head]))
        ++head;
    std::size_t tail = 0;
    while (tail < common - head && SameOp(a[a.size() - 1 - tail], b[b.size() - 1 - tail]))
        ++tail;
    return {head, tail};
}

// The raster image the painter draws on, which a widget's painter finds in
// its window's backing store; nullptr on other devices.
const QImage* DeviceImage(const QPainter& painter)
{
    const QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    return device && device->devType() == QInternal::Image ? static_cast<const QImage*>(device) : nullptr;
}

// A picture of the painter's whole device drawn within area (window
// pixels), rectangle by rectangle: Qt's raster engine would otherwise go
// over the whole picture.
void DrawPicture(QPainter& painter, const FrameView& view, const QImage& picture, const QRegion& area)
{
    const QTransform toDevice = painter.deviceTransform();
    painter.save();
    painter.setClipping(false);
    for (const QRect& rc : area) {
        const QRectF target(rc.translated(-view.origin));
        painter.drawImage(target, picture, toDevice.mapRect(target));
    }
    painter.restore();
}

} // namespace

// Measured as the window's paint measures, with its transform and size.
std::vector<SurfaceOp> CChartFrames::RecordOps(CBaseDraw& chart, const FrameView& view, bool sameView)
{
    QPainter painter(&m_scratch);
    painter.translate(view.origin);
    CPainterSurface measurer(painter, view.scale);
    measurer.SetDeviceSize(view.size);
    if (!sameView)
        m_measures.clear();
    CFrameRecorder recorder(measurer, m_measures, std::move(m_spareOps));
    PaintChart(chart, recorder);
    return recorder.TakeOps();
}

QRegion CChartFrames::Record(CBaseDraw& chart, const FrameView& view)
{
    const bool sameView = m_view == view;
    std::vector<SurfaceOp> ops = RecordOps(chart, view, sameView);
    const auto [head, tail] = sameView ? CommonEnds(m_ops, ops) : std::pair<std::size_t, std::size_t>{0, 0};
    if (!sameView) {
        m_pieces.clear();
        m_livePieces = 0;
    }

    // Only what the window shows is repainted.
    CRegionGrid changed(QRect(-view.origin, view.size));
    for (std::size_t i = head; sameView && i + tail < m_ops.size(); ++i) {
        m_livePieces -= m_footprints[i].end - m_footprints[i].first;
        for (std::size_t k = m_footprints[i].first; k < m_footprints[i].end; ++k)
            changed.Add(m_pieces[k]);
    }

    // The common operations keep their footprints; those of the others are
    // added to the pieces, whose unused ones are dropped now and then.
    std::vector<Footprint> footprints = std::move(m_spareFootprints);
    footprints.assign(m_footprints.begin(), m_footprints.begin() + head);
    const CDeviceMapping map(view.scale);
    for (std::size_t i = head; i + tail < ops.size(); ++i) {
        const std::size_t first = m_pieces.size();
        AddFootprint(ops[i], map, m_pieces);
        footprints.push_back({first, m_pieces.size()});
        m_livePieces += m_pieces.size() - first;
        for (std::size_t k = first; sameView && k < m_pieces.size(); ++k)
            changed.Add(m_pieces[k]);
    }
    footprints.insert(footprints.end(), m_footprints.end() - static_cast<std::ptrdiff_t>(tail), m_footprints.end());
    m_spareFootprints = std::exchange(m_footprints, std::move(footprints));
    if (m_pieces.size() > 2 * m_livePieces)
        DropUnusedPieces();

    // The pictures hold operations that are still the same, or none.
    m_stableHead = head;
    m_stableTail = tail;
    if (head < m_baseOps)
        m_baseOps = 0;
    if (tail < m_overOps)
        m_overOps = 0;
    m_spareOps = std::exchange(m_ops, std::move(ops));
    m_view = view;
    return sameView ? changed.Region().translated(view.origin) : QRegion(QRect(QPoint(0, 0), view.size));
}

void CChartFrames::DropUnusedPieces()
{
    std::vector<QRect> pieces;
    pieces.reserve(m_livePieces);
    for (Footprint& print : m_footprints) {
        const std::size_t first = pieces.size();
        pieces.insert(pieces.end(), m_pieces.begin() + static_cast<std::ptrdiff_t>(print.first),
                      m_pieces.begin() + static_cast<std::ptrdiff_t>(print.end));
        print = {first, pieces.size()};
    }
    m_pieces = std::move(pieces);
}

void CChartFrames::Paint(QPainter& painter, CBaseDraw& chart, const FrameView& view, const QRegion& area)
{
    const bool whole = (QRegion(QRect(QPoint(0, 0), view.size)) - area).isEmpty();
    if (!(m_view == view) || whole)
        Record(chart, view);
    std::size_t from = 0;
    std::size_t to = m_ops.size();
    if (!whole && PreparePictures(painter, view)) {
        if (m_baseOps > 0)
            DrawPicture(painter, view, m_base, area);
        from = m_baseOps;
        to -= m_overOps;
    }
    const CRegionGrid grid = CRegionGrid::Covering(area.translated(-view.origin));
    {
        CPainterSurface dc(painter, view.scale);
        for (std::size_t i = from; i < to; ++i) {
            const Footprint& print = m_footprints[i];
            if (std::any_of(m_pieces.begin() + print.first, m_pieces.begin() + print.end,
                            [&grid](const QRect& rc) { return grid.MayMeet(rc); }))
                Replay(m_ops[i], dc);
        }
    }
    if (to < m_ops.size())
        DrawPicture(painter, view, m_over, area);
}

bool CChartFrames::PreparePictures(const QPainter& painter, const FrameView& view)
{
    const QImage* device = DeviceImage(painter);
    if (!device)
        return false;
    if (device->size() != m_layerDevice || painter.deviceTransform() != m_layerTransform) {
        m_baseOps = m_overOps = 0;
        m_layerDevice = device->size();
        m_layerTransform = painter.deviceTransform();
    }
    if (m_baseOps == 0 && m_stableHead > 0) {
        PaintLayer(painter, *device, view, 0, m_stableHead, m_base, Qt::white);
        m_baseOps = m_stableHead;
    }
    if (m_overOps == 0 && m_stableTail > 0) {
        PaintLayer(painter, *device, view, m_ops.size() - m_stableTail, m_ops.size(), m_over, Qt::transparent);
        m_overOps = m_stableTail;
    }
    return true;
}

// Pixels like those the window would have there: a copy of the painter's
// device, painted through the same transform (where a line leaves the
// device decides which pixels it takes), in the device's format for the
// window's background and with premultiplied alpha for a transparent layer.
void CChartFrames::PaintLayer(const QPainter& painter, const QImage& device, const FrameView& view, std::size_t first,
                              std::size_t end, QImage& layer, Qt::GlobalColor background)
{
    const qreal ratio = device.devicePixelRatio();
    const QImage::Format format = background == Qt::white ? device.format() : QImage::Format_ARGB32_Premultiplied;
    if (layer.size() != device.size() || layer.format() != format)
        layer = QImage(device.size(), format);
    layer.setDevicePixelRatio(ratio);
    layer.fill(background);
    QPainter layerPainter(&layer);
    layerPainter.setWorldTransform(painter.deviceTransform() * QTransform::fromScale(1 / ratio, 1 / ratio));
    CPainterSurface dc(layerPainter, view.scale);
    for (std::size_t i = first; i < end; ++i)
        Replay(m_ops[i], dc);
}

void CChartFrames::Clear()
{
    m_ops = m_spareOps = {};
    m_measures = {};
    m_pieces = {};
    m_livePieces = 0;
    m_footprints = m_spareFootprints = {};
    m_view.reset();
    m_stableHead = m_stableTail = m_baseOps = m_overOps = 0;
    m_base = m_over = QImage();
}
