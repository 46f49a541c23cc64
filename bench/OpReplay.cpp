#include "OpReplay.h"

#include "DeviceMapping.h"
#include "QtConversions.h"
#include "TextBlock.h"
#include "TextLayoutCache.h"

#include <QPainter>
#include <QStringList>
#include <QTextOption>

COpReplay::COpReplay(const std::vector<SurfaceOp>& ops, double zoom, CTextLayoutCache& cache)
{
    const CDeviceMapping map(zoom);
    for (const SurfaceOp& op : ops) {
        Command c;
        switch (op.kind) {
        case SurfaceOp::Kind::MoveTo:
        case SurfaceOp::Kind::Measure:
            break;
        case SurfaceOp::Kind::LineTo:
            c.kind = Kind::Line;
            c.pen = PenIndex(op.pen, zoom);
            c.line = QLineF(map.ToDevice(op.from), map.ToDevice(op.to));
            m_commands.push_back(c);
            break;
        case SurfaceOp::Kind::Ellipse:
            if (map.ToDevice(op.rect).isEmpty())
                break;
            c.kind = Kind::Ellipse;
            c.pen = PenIndex(op.pen, zoom);
            c.brush = op.brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(op.brush.color));
            c.rect = map.EllipseOutline(op.rect);
            m_commands.push_back(c);
            break;
        case SurfaceOp::Kind::FillRect:
            if (!op.brush.hollow)
                AddFill(map.ToDevice(op.rect), op.brush.color);
            break;
        case SurfaceOp::Kind::FillSolidRect:
            AddFill(map.ToDevice(op.rect), op.color);
            break;
        case SurfaceOp::Kind::FillEllipse:
            if (op.brush.hollow || map.ToDevice(op.rect).isEmpty())
                break;
            c.kind = Kind::FillEllipse;
            c.rect = map.ToDevice(op.rect);
            c.color = ToQColor(op.brush.color);
            m_commands.push_back(c);
            break;
        case SurfaceOp::Kind::Draw3dRect: {
            const auto edges = map.FrameEdges(op.rect);
            for (size_t i = 0; i < edges.size(); ++i)
                AddFill(edges[i], i < 2 ? op.color : op.color2);
            break;
        }
        case SurfaceOp::Kind::Text:
            AddText(op, zoom, cache);
            break;
        }
    }
}

namespace {

// The block's lines as one static text, laid out once for the block's font.
QStaticText StaticTextOf(const CTextBlock& block, bool centred)
{
    QStringList lines;
    for (const CTextBlock::Line& line : block.Lines())
        lines.append(line.text);
    QStaticText text(lines.join(QChar::LineSeparator));
    text.setTextFormat(Qt::PlainText);
    QTextOption option(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    text.setTextOption(option);
    text.setTextWidth(block.Width());
    text.prepare(QTransform(), block.Font());
    return text;
}

} // namespace

void COpReplay::AddFill(const QRect& rect, Color color)
{
    if (rect.isEmpty())
        return;
    Command c;
    c.kind = Kind::Fill;
    c.rect = rect;
    c.color = ToQColor(color);
    m_commands.push_back(c);
}

void COpReplay::AddText(const SurfaceOp& op, double zoom, CTextLayoutCache& cache)
{
    if (op.text.empty())
        return;
    const CDeviceMapping map(zoom);
    const QRect box = map.ToDevice(op.rect);
    const int fontId = cache.FontId(op.font, zoom);
    CTextBlock& block = cache.Block(fontId, op.text, CTextBlock::WrapWidth(box, op.flags));
    const bool centred = (op.flags & TextFlags::Center) != 0;
    const CTextBlock::Placement place = block.Place(box, op.flags);
    if (op.bkMode == BkMode::Opaque)
        for (const QRect& cell : block.LineBoxes(place.origin, box, centred))
            AddFill(cell, op.bkColor);
    Command c;
    c.kind = Kind::Text;
    c.font = FontIndex(block.Font());
    c.rect = box;
    c.color = ToQColor(op.color);
    c.origin = place.origin;
    c.clip = place.clip;
    c.text = StaticTextOf(block, centred);
    m_commands.push_back(c);
}

int COpReplay::PenIndex(const Pen& pen, double zoom)
{
    const QPen q = ToQPen(pen, zoom);
    for (size_t i = 0; i < m_pens.size(); ++i)
        if (m_pens[i] == q)
            return static_cast<int>(i);
    m_pens.push_back(q);
    return static_cast<int>(m_pens.size() - 1);
}

int COpReplay::FontIndex(const QFont& font)
{
    for (size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i] == font)
            return static_cast<int>(i);
    m_fonts.push_back(font);
    return static_cast<int>(m_fonts.size() - 1);
}

void COpReplay::Run(QPainter& painter) const
{
    constexpr int kNoPen = -1;
    constexpr int kTextPen = -2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The painter's pen and font are set only when they change, as the
    // surface does.
    int pen = kNoPen;
    int font = -1;
    QColor textColor;
    for (const Command& c : m_commands) {
        switch (c.kind) {
        case Kind::Line:
        case Kind::Ellipse:
            if (pen != c.pen) {
                painter.setPen(m_pens[static_cast<size_t>(c.pen)]);
                pen = c.pen;
            }
            if (c.kind == Kind::Line) {
                painter.drawLine(c.line);
            } else {
                painter.setBrush(c.brush);
                painter.drawEllipse(c.rect);
            }
            break;
        case Kind::Fill:
            painter.fillRect(c.rect.toRect(), c.color);
            break;
        case Kind::FillEllipse:
            painter.setPen(Qt::NoPen);
            pen = kNoPen;
            painter.setBrush(c.color);
            painter.drawEllipse(c.rect);
            break;
        case Kind::Text:
            if (font != c.font) {
                painter.setFont(m_fonts[static_cast<size_t>(c.font)]);
                font = c.font;
            }
            if (pen != kTextPen || textColor != c.color) {
                painter.setPen(c.color);
                pen = kTextPen;
                textColor = c.color;
            }
            if (c.clip) {
                painter.save();
                painter.setClipRect(c.rect, Qt::IntersectClip);
                painter.drawStaticText(c.origin, c.text);
                painter.restore();
            } else {
                painter.drawStaticText(c.origin, c.text);
            }
            break;
        }
    }
    painter.restore();
}
