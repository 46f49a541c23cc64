#include "TextBlock.h"

#include "DrawSurface.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Line width for unwrapped text, within QTextLayout's fixed-point range.
constexpr double kUnbounded = 1e7;

QString Trimmed(QString line)
{
    while (!line.isEmpty() && (line.back() == QChar::LineSeparator || line.back().isSpace()))
        line.chop(1);
    return line;
}

} // namespace

CTextBlock::CTextBlock(const QFont& font, const QString& text, double wrapWidth)
    : m_font(font)
{
    QString separated = text;
    separated.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(separated, m_font);
    QTextOption option;
    option.setWrapMode(wrapWidth > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);

    // Line heights as QStaticText spaces them, so that what is measured here
    // is where the prepared glyphs land.
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(wrapWidth > 0 ? wrapWidth : kUnbounded);
        Line l;
        l.text = Trimmed(separated.mid(line.textStart(), line.textLength()));
        l.width = line.naturalTextWidth();
        l.top = m_height;
        l.height = line.height();
        l.ascent = line.ascent();
        m_height += l.height;
        if (line.leading() < 0)
            m_height += std::ceil(line.leading());
        m_width = std::max(m_width, l.width);
        m_lines.push_back(std::move(l));
    }
    layout.endLayout();
}

int CTextBlock::WrapWidth(const QRect& box, unsigned flags)
{
    return (flags & TextFlags::WordBreak) && box.width() > 0 ? box.width() : 0;
}

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
    const QFontMetricsF metrics(m_font);
    const bool decorated = m_font.underline() || m_font.strikeOut();
    for (const Line& line : m_lines) {
        lines.append(line.text);
        const double x = LineOffset(line, centred);
        if (decorated)
            p.ink |= QRectF(x, line.top, line.width, line.height);
        if (!line.text.isEmpty())
            p.ink |= metrics.boundingRect(line.text).translated(x, line.top + line.ascent);
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
