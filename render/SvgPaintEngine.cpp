#include "SvgPaintEngine.h"

#include <QBuffer>
#include <QIODevice>
#include <QPixmap>
#include <QTextItem>

#include <cmath>

namespace {

// Written to the device whenever this much has gathered.
constexpr qsizetype kFlushBytes = 1 << 16;

// Solid colours, clipping and transforms are what the charts draw with.
constexpr QPaintEngine::PaintEngineFeatures kFeatures =
    QPaintEngine::PrimitiveTransform | QPaintEngine::PixmapTransform | QPaintEngine::AlphaBlend |
    QPaintEngine::Antialiasing | QPaintEngine::BrushStroke | QPaintEngine::PainterPaths |
    QPaintEngine::PaintOutsidePaintEvent;

QByteArray Num(double v) { return std::isfinite(v) ? QByteArray::number(v, 'g', 7) : QByteArray("0"); }

QByteArray Point(QPointF p) { return Num(p.x()) + ',' + Num(p.y()); }

QByteArray ColorName(const QColor& color) { return color.name(QColor::HexRgb).toLatin1(); }

// Text as XML character data or attribute value: markup escaped, and the
// characters XML cannot hold at all (controls, lone surrogates) left out.
QByteArray Escaped(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    const QList<uint> codes = text.toUcs4();
    for (const uint c : codes) {
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0xD800 && c < 0xE000) || c == 0xFFFE ||
            c == 0xFFFF)
            continue;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1).toUtf8();
        }
    }
    return out;
}

QByteArray PathData(const QPainterPath& path)
{
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement: d += 'M'; break;
        case QPainterPath::LineToElement: d += 'L'; break;
        case QPainterPath::CurveToElement: d += 'C'; break;
        case QPainterPath::CurveToDataElement: d += ' '; break;
        }
        d += Point(e);
    }
    return d;
}

QByteArray FillRule(Qt::FillRule rule) { return rule == Qt::OddEvenFill ? "evenodd" : "nonzero"; }

const char* LineCap(Qt::PenCapStyle cap)
{
    switch (cap) {
    case Qt::FlatCap: return "butt";
    case Qt::RoundCap: return "round";
    default: return "square";
    }
}

const char* LineJoin(Qt::PenJoinStyle join)
{
    switch (join) {
    case Qt::RoundJoin: return "round";
    case Qt::BevelJoin: return "bevel";
    default: return "miter";
    }
}

} // namespace

CSvgPaintEngine::CSvgPaintEngine(QIODevice& out, QSize size, QString title)
    : QPaintEngine(kFeatures)
    , m_out(out)
    , m_size(size)
    , m_title(std::move(title))
{
}

bool CSvgPaintEngine::begin(QPaintDevice* /*device*/)
{
    const QByteArray w = QByteArray::number(m_size.width());
    const QByteArray h = QByteArray::number(m_size.height());
    Write("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
          "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\""
          " width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n<title>" +
          Escaped(m_title) + "</title>\n");
    return m_ok;
}

bool CSvgPaintEngine::end()
{
    if (m_clipOpen)
        Write("</g>\n");
    Write("</svg>\n");
    Flush();
    return m_ok;
}

void CSvgPaintEngine::Write(const QByteArray& text)
{
    m_buffer += text;
    if (m_buffer.size() >= kFlushBytes)
        Flush();
}

void CSvgPaintEngine::Flush()
{
    if (m_ok && m_out.write(m_buffer) != m_buffer.size())
        m_ok = false;
    m_buffer.clear();
}

void CSvgPaintEngine::updateState(const QPaintEngineState& state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyPen)
        m_pen = state.pen();
    if (flags & DirtyBrush)
        m_brush = state.brush();
    if (flags & DirtyFont)
        m_font = state.font();
    if (flags & DirtyTransform)
        m_transform = state.transform();
    // Clips come in the coordinates they were set in.
    if (flags & DirtyClipRegion) {
        QPainterPath path;
        path.addRegion(state.clipRegion());
        SetClip(m_transform.map(path), state.clipOperation());
    }
    if (flags & DirtyClipPath)
        SetClip(m_transform.map(state.clipPath()), state.clipOperation());
    if (flags & DirtyClipEnabled)
        m_clipEnabled = state.isClipEnabled();
    if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled))
        ApplyClip();
}

void CSvgPaintEngine::SetClip(QPainterPath clip, Qt::ClipOperation operation)
{
    if (operation == Qt::NoClip)
        m_clip.reset();
    else if (operation == Qt::IntersectClip && m_clip)
        m_clip = m_clip->intersected(clip);
    else
        m_clip = std::move(clip);
    m_clipEnabled = operation != Qt::NoClip;
}

void CSvgPaintEngine::ApplyClip()
{
    if (m_clipOpen)
        Write("</g>\n");
    m_clipOpen = m_clipEnabled && m_clip.has_value();
    if (!m_clipOpen)
        return;
    const QByteArray id = "c" + QByteArray::number(m_clipCount++);
    Write("<clipPath id=\"" + id + "\"><path d=\"" + PathData(*m_clip) + "\"/></clipPath>\n<g clip-path=\"url(#" +
          id + ")\">\n");
}

QByteArray CSvgPaintEngine::Style(const QBrush& fill, const QPen& stroke) const
{
    QByteArray s;
    if (fill.style() != Qt::NoBrush) {
        s += " fill=\"" + ColorName(fill.color()) + '"';
        if (fill.color().alpha() < 255)
            s += " fill-opacity=\"" + Num(fill.color().alphaF()) + '"';
    } else {
        s += " fill=\"none\"";
    }
    if (stroke.style() != Qt::NoPen) {
        const double width = stroke.widthF() > 0 ? stroke.widthF() : 1.0;
        s += " stroke=\"" + ColorName(stroke.color()) + "\" stroke-width=\"" + Num(width) + "\" stroke-linecap=\"" +
             LineCap(stroke.capStyle()) + "\" stroke-linejoin=\"" + LineJoin(stroke.joinStyle()) + '"';
        if (stroke.isCosmetic() || stroke.widthF() <= 0)
            s += " vector-effect=\"non-scaling-stroke\"";
        if (stroke.style() != Qt::SolidLine) {
            QByteArray dashes;
            for (const qreal dash : stroke.dashPattern())
                dashes += (dashes.isEmpty() ? "" : ",") + Num(dash * width);
            s += " stroke-dasharray=\"" + dashes + '"';
        }
    }
    return s + Transform();
}

QByteArray CSvgPaintEngine::Transform() const
{
    if (m_transform.isIdentity())
        return {};
    const QTransform& t = m_transform;
    return " transform=\"matrix(" + Num(t.m11()) + ',' + Num(t.m12()) + ',' + Num(t.m21()) + ',' + Num(t.m22()) +
           ',' + Num(t.dx()) + ',' + Num(t.dy()) + ")\"";
}

void CSvgPaintEngine::drawPath(const QPainterPath& path)
{
    Write("<path d=\"" + PathData(path) + "\" fill-rule=\"" + FillRule(path.fillRule()) + '"' + Style(m_brush, m_pen) +
          "/>\n");
}

void CSvgPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode)
{
    QByteArray list;
    for (int i = 0; i < count; ++i)
        list += (i ? " " : "") + Point(points[i]);
    if (mode == PolylineMode)
        Write("<polyline points=\"" + list + '"' + Style(Qt::NoBrush, m_pen) + "/>\n");
    else
        Write("<polygon points=\"" + list + "\" fill-rule=\"" +
              FillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill) + '"' + Style(m_brush, m_pen) + "/>\n");
}

void CSvgPaintEngine::drawLines(const QLineF* lines, int count)
{
    QByteArray d;
    for (int i = 0; i < count; ++i)
        d += 'M' + Point(lines[i].p1()) + 'L' + Point(lines[i].p2());
    Write("<path d=\"" + d + '"' + Style(Qt::NoBrush, m_pen) + "/>\n");
}

void CSvgPaintEngine::drawRects(const QRectF* rects, int count)
{
    for (int i = 0; i < count; ++i) {
        const QRectF& r = rects[i];
        Write("<rect x=\"" + Num(r.x()) + "\" y=\"" + Num(r.y()) + "\" width=\"" + Num(r.width()) + "\" height=\"" +
              Num(r.height()) + '"' + Style(m_brush, m_pen) + "/>\n");
    }
}

void CSvgPaintEngine::drawEllipse(const QRectF& r)
{
    const QPointF c = r.center();
    Write("<ellipse cx=\"" + Num(c.x()) + "\" cy=\"" + Num(c.y()) + "\" rx=\"" + Num(r.width() / 2) + "\" ry=\"" +
          Num(r.height() / 2) + '"' + Style(m_brush, m_pen) + "/>\n");
}

// Text stays text, in the pen's colour, so that the file can be searched.
// A run of characters XML cannot hold (a control character the fonts have a
// glyph for comes as a run of its own) leaves no empty element.
void CSvgPaintEngine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    const QByteArray text = Escaped(item.text());
    if (text.isEmpty())
        return;
    const QFont font = item.font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    QByteArray decoration;
    if (font.underline() || (item.renderFlags() & QTextItem::Underline))
        decoration += " underline";
    if (font.strikeOut() || (item.renderFlags() & QTextItem::StrikeOut))
        decoration += " line-through";
    Write("<text x=\"" + Num(p.x()) + "\" y=\"" + Num(p.y()) + "\" xml:space=\"preserve\" font-family=\"" +
          Escaped(font.families().value(0, font.family())) + "\" font-size=\"" + Num(pixels) +
          "\" font-weight=\"" + QByteArray::number(font.weight()) + '"' +
          (font.italic() ? " font-style=\"italic\"" : "") +
          (decoration.isEmpty() ? QByteArray() : " text-decoration=\"" + decoration.trimmed() + '"') +
          Style(QBrush(m_pen.color()), Qt::NoPen) + '>' + text + "</text>\n");
}

void CSvgPaintEngine::drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixmap.copy(source.toAlignedRect()).save(&buffer, "PNG");
    Write("<image x=\"" + Num(r.x()) + "\" y=\"" + Num(r.y()) + "\" width=\"" + Num(r.width()) + "\" height=\"" +
          Num(r.height()) + "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + png.toBase64() +
          '"' + Transform() + "/>\n");
}
