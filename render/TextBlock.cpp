#include "TextBlock.h"

#include "DrawSurface.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Line width for unwrapped text, within QTextLayout's fixed-point range.
constexpr double kUnbounded = 1e7;

QString Trimmed(QString line)
{
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return line;
}

// Lines of paragraph at most wrapWidth wide where it can be helped: breaks
// go between words, at spaces only, so that numbers and dates such as
// "1/16" stay whole however narrow their cell.
QStringList WrapAtSpaces(const QString& paragraph, const QFontMetricsF& metrics, double wrapWidth)
{
    if (!paragraph.contains(QLatin1Char(' ')) || metrics.horizontalAdvance(paragraph) <= wrapWidth)
        return {paragraph};
    QStringList lines;
    QString line;
    bool first = true;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
        const QString joined = first ? word : line + QLatin1Char(' ') + word;
        if (!first && metrics.horizontalAdvance(joined) > wrapWidth) {
            lines.append(line);
            line = word;
        } else {
            line = joined;
        }
        first = false;
    }
    lines.append(line);
    return lines;
}

// The union of the glyph boxes of a laid-out line, from its top-left. Taken
// from the glyphs already shaped, which is cheaper than measuring again.
QRectF InkOf(const QTextLine& line)
{
    QRectF ink;
    const QPointF origin = line.position();
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= font.boundingRect(glyphs[i]).translated(positions[i] - origin);
    }
    return ink;
}

} // namespace

CTextBlock::CTextBlock(const QFont& font, const QString& text, double wrapWidth)
    : m_font(font)
{
    QStringList lines;
    const QFontMetricsF metrics(m_font);
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines += wrapWidth > 0 ? WrapAtSpaces(paragraph, metrics, wrapWidth) : QStringList{paragraph};
    for (QString& line : lines)
        line = Trimmed(line);

    QTextLayout layout(lines.join(QChar::LineSeparator), m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true); // keeps the shaped glyphs for InkOf

    // Line heights as QStaticText spaces them, so that what is measured here
    // is where the prepared glyphs land.
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(kUnbounded);
        line.setPosition(QPointF(0, m_height));
        Line l;
        l.text = lines.value(line.lineNumber());
        l.width = line.naturalTextWidth();
        l.top = m_height;
        l.height = line.height();
        l.ascent = line.ascent();
        m_height += l.height;
        if (line.leading() < 0)
            m_height += std::ceil(line.leading());
        m_width = std::max(m_width, l.width);
        if (l.text.contains(QLatin1Char(' ')))
            m_widestBreakable = std::max(m_widestBreakable, l.width);
        m_lines.push_back(std::move(l));
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i)
        m_lines[static_cast<size_t>(i)].ink = InkOf(layout.lineAt(i));
}

int CTextBlock::WrapWidth(const QRect& box, unsigned flags)
{
    return (flags & TextFlags::WordBreak) && box.width() > 0 ? box.width() : 0;
}

bool CTextBlock::Wraps(double wrapWidth) const { return m_widestBreakable > wrapWidth; }

double CTextBlock::LineOffset(const Line& line, bool centred) const
{
    return centred ? (m_width - line.width) / 2 : 0.0;
}

const CTextBlock::Prepared& CTextBlock::Prepare(bool centred)
{
    std::optional<Prepared>& prepared = centred ? m_centred : m_left;
    if (!prepared)
        prepared = Build(centred);
    return *prepared;
}

CTextBlock::Prepared CTextBlock::Build(bool centred) const
{
    Prepared p;
    QStringList lines;
    const bool decorated = m_font.underline() || m_font.strikeOut();
    for (const Line& line : m_lines) {
        lines.append(line.text);
        const QPointF at(LineOffset(line, centred), line.top);
        if (decorated)
            p.ink |= QRectF(at, QSizeF(line.width, line.height));
        if (!line.ink.isNull())
            p.ink |= line.ink.translated(at);
    }
    p.text.setText(lines.join(QChar::LineSeparator));
    p.text.setTextFormat(Qt::PlainText);
    QTextOption option(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    p.text.setTextOption(option);
    p.text.setTextWidth(m_width);
    return p;
}

CTextBlock::Placement CTextBlock::Place(const QRect& box, unsigned flags)
{
    const bool centred = (flags & TextFlags::Center) != 0;
    Placement place;
    double x = box.left();
    double y = box.top();
    if (centred)
        x += (box.width() - m_width) / 2;
    if ((flags & TextFlags::VCenter) && m_lines.size() == 1)
        y += std::trunc((box.height() - m_height) / 2);
    place.origin = {x, y};
    // A pixel of slack for the rounding of glyph positions.
    const QRectF ink = Prepare(centred).ink.translated(x, y).adjusted(-1, -1, 1, 1);
    place.clip = !ink.isEmpty() && !QRectF(box).contains(ink);
    return place;
}

std::vector<QRect> CTextBlock::LineBoxes(QPointF origin, const QRect& box, bool centred) const
{
    std::vector<QRect> boxes;
    for (const Line& line : m_lines) {
        const QRectF cell(origin.x() + LineOffset(line, centred), origin.y() + line.top, line.width, line.height);
        const QRect pixels = cell.toAlignedRect() & box;
        if (!pixels.isEmpty())
            boxes.push_back(pixels);
    }
    return boxes;
}

QPainterPath CTextBlock::Outline(QPointF origin, bool centred) const
{
    QPainterPath path;
    for (const Line& line : m_lines)
        path.addText(origin + QPointF(LineOffset(line, centred), line.top + line.ascent), m_font, line.text);
    return path;
}
