#include "PainterSurface.h"

#include "QtConversions.h"
#include "TextBlock.h"
#include "TextLayoutCache.h"

#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Glyphs may reach a little beyond the boxes measured for them (hinting,
// antialiasing); a text this far outside the pixels cannot touch them.
constexpr double kInkMargin = 4.0;

// An area of device pixels in the painter's coordinates, or nothing when it
// cannot be mapped back.
std::optional<QRectF> PixelArea(const QPainter& painter, const QRectF& area)
{
    bool invertible = false;
    const QTransform toPainter = painter.combinedTransform().inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    return toPainter.mapRect(area)
        .adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
}

} // namespace

CPainterSurface::CPainterSurface(QPainter& painter, double zoom, CTextLayoutCache* cache)
    : m_painter(painter)
    , m_map(zoom)
    , m_cache(cache ? cache : CTextLayoutCache::ForCurrentThread())
{
    if (!m_cache) {
        m_ownCache = std::make_unique<CTextLayoutCache>();
        m_cache = m_ownCache.get();
    }
    const QPaintEngine* engine = m_painter.paintEngine();
    m_raster = engine && engine->type() == QPaintEngine::Raster;
    if (m_raster && m_painter.device())
        m_pixelArea = PixelArea(m_painter, QRectF(0, 0, m_painter.device()->width(), m_painter.device()->height()));
    m_painter.save();
    // Aliased shapes: the chart's geometry is in whole pixels.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

CPainterSurface::~CPainterSurface() { m_painter.restore(); }

void CPainterSurface::SetDeviceSize(QSize size)
{
    if (m_raster)
        m_pixelArea = PixelArea(m_painter, QRectF(QPointF(0, 0), size));
}

void CPainterSurface::ShowOnly(const QRectF& area)
{
    m_pixelArea = PixelArea(m_painter, area);
}

Font CPainterSurface::SelectFont(const Font& font)
{
    m_fontId = -1;
    return CDrawSurface::SelectFont(font);
}

bool CPainterSurface::Admit(std::size_t count)
{
    if (m_leftItemsOut || count > m_itemLimit - m_items) {
        m_leftItemsOut = true;
        return false;
    }
    m_items += count;
    return true;
}

bool CPainterSurface::MayShow(const QRectF& box, double reach) const
{
    return !m_pixelArea || m_pixelArea->intersects(box.normalized().adjusted(-reach, -reach, reach, reach));
}

// No more than the pen is wide (round caps reach half of it); a cosmetic
// pen one pixel.
double CPainterSurface::PenReach() const
{
    return std::max(1.0, CurrentPen().width * m_map.Zoom());
}

int CPainterSurface::CurrentFontId()
{
    if (m_fontId < 0 || m_fontGeneration != m_cache->Generation()) {
        m_fontId = m_cache->FontId(CurrentFont(), m_map.Zoom());
        m_fontGeneration = m_cache->Generation();
    }
    return m_fontId;
}

void CPainterSurface::UseLinePen()
{
    if (m_penUse == PenUse::Line && m_painterLinePen == CurrentPen())
        return;
    m_painter.setPen(ToQPen(CurrentPen(), m_map.Zoom()));
    m_penUse = PenUse::Line;
    m_painterLinePen = CurrentPen();
}

void CPainterSurface::UseTextPen(Color color)
{
    if (m_penUse == PenUse::Text && m_painterTextColor == color)
        return;
    m_painter.setPen(ToQColor(color));
    m_penUse = PenUse::Text;
    m_painterTextColor = color;
}

void CPainterSurface::DoLineTo(Point from, Point to)
{
    const QPointF start = m_map.ToDevice(from), end = m_map.ToDevice(to);
    if (!MayShow(QRectF(start, end), PenReach()) || !Admit(1))
        return;
    UseLinePen();
    m_painter.drawLine(start, end);
}

void CPainterSurface::Ellipse(const Rect& rc)
{
    if (m_map.ToDevice(rc).isEmpty() || !MayShow(m_map.EllipseOutline(rc), PenReach()) || !Admit(1))
        return;
    UseLinePen();
    const Brush& brush = CurrentBrush();
    m_painter.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color)));
    m_painter.drawEllipse(m_map.EllipseOutline(rc));
}

void CPainterSurface::FillRect(const Rect& rc, const Brush& brush)
{
    if (!brush.hollow)
        DoFillSolidRect(rc, brush.color);
}

void CPainterSurface::FillEllipse(const Rect& rc, const Brush& brush)
{
    const QRect box = m_map.ToDevice(rc);
    if (brush.hollow || box.isEmpty() || !MayShow(box, 0) || !Admit(1))
        return;
    m_painter.setPen(Qt::NoPen);
    m_penUse = PenUse::None;
    m_painter.setBrush(ToQColor(brush.color));
    m_painter.drawEllipse(QRectF(box));
}

void CPainterSurface::DoFillSolidRect(const Rect& rc, Color color)
{
    const QRect box = m_map.ToDevice(rc);
    if (!box.isEmpty() && MayShow(box, 0) && Admit(1))
        m_painter.fillRect(box, ToQColor(color));
}

void CPainterSurface::Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight)
{
    const auto edges = m_map.FrameEdges(rc);
    if (!MayShow(m_map.ToDevice(rc), 0) || !Admit(edges.size()))
        return;
    const QColor colors[] = {ToQColor(topLeft), ToQColor(bottomRight)};
    for (size_t i = 0; i < edges.size(); ++i)
        if (!edges[i].isEmpty())
            m_painter.fillRect(edges[i], colors[i / 2]);
}

int CPainterSurface::DrawText(const std::string& text, Rect& rc, unsigned flags)
{
    // Past the limit the picture is given up: nothing is worth laying out.
    if (text.empty() || m_leftItemsOut) {
        if (flags & TextFlags::CalcRect) {
            rc.right = rc.left;
            rc.bottom = rc.top;
        }
        return 0;
    }
    const int fontId = CurrentFontId();
    CTextBlock& block = m_cache->Block(fontId, text, CTextBlock::WrapWidth(m_map.ToDevice(rc), flags));
    if (flags & TextFlags::CalcRect)
        rc = MeasuredBox(rc, block, flags);
    else
        DrawBlock(block, rc, flags);
    return m_map.ToChartUnits(block.Height());
}

bool CPainterSurface::MayShowText(const std::string& text, const Rect& rc)
{
    if (TooSmallForText(rc, m_map.Zoom()) || std::abs(CurrentFont().height) * m_map.Zoom() < m_smallestLabel)
        return false;
    if (!m_pixelArea)
        return true;
    // Lines break at line ends and, wrapped, at spaces: there are at most
    // as many as those plus one, none wider than the widest unwrapped line.
    // Other scripts may take glyphs from fallback fonts: not told.
    const CTextLayoutCache::Reach& reach = m_cache->TextReach(CurrentFontId());
    std::size_t lines = 1;
    double widest = 0;
    double line = 0;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            ++lines;
            line = 0;
            continue;
        }
        if (c < ' ' || c > '~')
            return true;
        lines += c == ' ';
        line += reach.advance[static_cast<std::size_t>(c - ' ')];
        widest = std::max(widest, line);
    }
    const double across = widest + reach.overhang;
    const double down = static_cast<double>(lines) * reach.lineHeight + reach.overhang;
    const QRectF reached = QRectF(m_map.ToDevice(rc)).adjusted(-across, -down, across, down);
    return m_pixelArea->intersects(reached);
}

// Shaping picks fallback fonts as drawing does; a glyph index of 0 is the
// missing-glyph box.
bool CPainterSurface::HasGlyphs(const std::string& text)
{
    QTextLayout layout(QString::fromStdString(text), m_cache->QtFont(CurrentFontId()));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QVector<quint32> glyphs = run.glyphIndexes();
        if (std::find(glyphs.begin(), glyphs.end(), 0u) != glyphs.end())
            return false;
    }
    return true;
}

Rect CPainterSurface::MeasuredBox(const Rect& rc, const CTextBlock& block, unsigned flags) const
{
    const int width = m_map.ToChartUnits(block.BoxWidth());
    Rect box = rc;
    // Centred text keeps its centre; otherwise the box grows from the left.
    if ((flags & TextFlags::Center) && rc.Width() > 0)
        box.left = rc.left + (rc.Width() - width) / 2;
    box.right = box.left + width;
    box.bottom = box.top + m_map.ToChartUnits(block.Height());
    return box;
}

void CPainterSurface::DrawBlock(CTextBlock& block, const Rect& rc, unsigned flags)
{
    const QRect box = m_map.ToDevice(rc);
    const bool centred = (flags & TextFlags::Center) != 0;
    const CTextBlock::Placement place = block.Place(box, flags);
    if (!Admit(block.Lines().size() * (BackgroundMode() == BkMode::Opaque ? 2 : 1)))
        return;
    if (BackgroundMode() == BkMode::Opaque) {
        const QColor color = ToQColor(BkColor());
        for (const QRect& cell : block.LineBoxes(place.origin, box, centred))
            if (MayShow(cell, 0))
                m_painter.fillRect(cell, color);
    }

    if (m_pixelArea && !m_pixelArea->intersects(block.Prepare(centred).ink.translated(place.origin)))
        return;
    UseTextPen(TextColor());
    if (!place.clip) {
        DrawLines(block, place.origin, centred);
        return;
    }
    if (box.isEmpty())
        return; // clipped to nothing
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    DrawLines(block, place.origin, centred);
    m_painter.restore();
}

void CPainterSurface::DrawLines(CTextBlock& block, QPointF origin, bool centred)
{
    if (m_raster)
        block.Draw(m_painter, origin, centred);
    else
        block.DrawAsText(m_painter, origin, centred);
}
