#include "TextBlock.h"

#include "DrawSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Line width for unwrapped text, within QTextLayout's fixed-point range.
constexpr double kUnbounded = 1e7;
// Glyphs land up to a pixel from where their boxes say, by the rounding of
// their positions: placing text allows for it, and boxes measured for text
// make room for it.
constexpr double kGlyphSlack = 1.0;

// Control characters are never drawn, whatever glyphs the installed fonts
// have for them; line ends and tabs still break and space the text.
QString WithoutControls(QString text)
{
    return text.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\n') && c != QLatin1Char('\t');
    });
}

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

// The union of the glyph boxes of a shaped line, from the line's top-left.
// Taken from the glyphs already shaped, which is cheaper than measuring again.
QRectF LineInk(const QList<QGlyphRun>& runs, QPointF origin)
{
    QRectF ink;
    for (const QGlyphRun& run : runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= font.boundingRect(glyphs[i]).translated(positions[i] - origin);
    }
    return ink;
}

// The glyphs of many lines in one font and decoration, gathered to become
// one run: appending line by line to a QGlyphRun would copy all its glyphs
// each time.
struct GatheredRun {
    QGlyphRun like;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

// Adds run, moved right by dx, to the gathered run in the same font and
// decoration, so that a block draws with one call a font.
void Gather(std::vector<GatheredRun>& gathered, const QGlyphRun& run, double dx)
{
    auto into = std::find_if(gathered.begin(), gathered.end(), [&](const GatheredRun& g) {
        return g.like.rawFont() == run.rawFont() && g.like.flags() == run.flags();
    });
    if (into == gathered.end())
        into = gathered.insert(gathered.end(), GatheredRun{run, {}, {}});
    into->glyphs += run.glyphIndexes();
    for (QPointF p : run.positions())
        into->positions.push_back(p + QPointF(dx, 0));
}

// Whether c starts a character (code point) in UTF-8.
bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Where in [from, end) the characters after the first `count` begin, or
// end; count becomes the number of characters before that place.
std::size_t AfterCharacters(std::string_view text, std::size_t from, std::size_t end, std::size_t& count)
{
    std::size_t seen = 0;
    for (std::size_t i = from; i < end; ++i) {
        if (StartsCharacter(text[i]) && seen++ == count) {
            count = seen - 1;
            return i;
        }
    }
    count = seen;
    return end;
}

} // namespace

std::string_view CTextBlock::LaidOutPart(std::string_view text, std::string& storage)
{
    // A text this short cannot pass any bound.
    if (text.size() < std::min(kMaxLines, kMaxLineChars))
        return text;
    storage.clear();
    std::size_t chars = 0;
    std::size_t begin = 0;
    for (std::size_t lines = 0; lines < kMaxLines && begin <= text.size() && chars < kMaxChars; ++lines) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::size_t taken = std::min(kMaxLineChars, kMaxChars - chars);
        const std::size_t cut = AfterCharacters(text, begin, end, taken);
        if (lines > 0)
            storage += '\n';
        storage.append(text, begin, cut - begin);
        chars += taken;
        begin = end + 1;
    }
    return storage.size() == text.size() ? text : std::string_view(storage);
}

CTextBlock::CTextBlock(const QFont& font, const QString& text, double wrapWidth)
    : m_font(font)
{
    QStringList lines;
    const QFontMetricsF metrics(m_font);
    for (const QString& paragraph : WithoutControls(text).split(QLatin1Char('\n')))
        lines += wrapWidth > 0 ? WrapAtSpaces(paragraph, metrics, wrapWidth) : QStringList{paragraph};
    for (QString& line : lines)
        line = Trimmed(line);

    QTextLayout layout(lines.join(QChar::LineSeparator), m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true); // keeps the shaped glyphs for glyphRuns

    // Lines stacked as Qt stacks the lines of plain text: by their heights,
    // a negative leading pulling the next one up by whole pixels.
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(kUnbounded);
        line.setPosition(QPointF(0, m_height));
        Line l;
        l.text = lines.value(line.lineNumber());
        l.width = line.naturalTextWidth();
        l.advance = line.horizontalAdvance();
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
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        Line& l = m_lines[static_cast<size_t>(i)];
        l.runs = line.glyphRuns();
        l.ink = LineInk(l.runs, line.position());
    }
    MeasureExtents();
}

void CTextBlock::MeasureExtents()
{
    for (const bool centred : {false, true}) {
        Extent& e = m_extent[centred];
        e.right = m_width;
        for (const Line& l : m_lines) {
            const double offset = LineOffset(l, centred);
            e.right = std::max(e.right, offset + l.width);
            if (!l.ink.isNull()) {
                e.left = std::min(e.left, offset + l.ink.left());
                e.right = std::max(e.right, offset + l.ink.right());
            }
        }
    }
}

int CTextBlock::WrapWidth(const QRect& box, unsigned flags)
{
    return (flags & TextFlags::WordBreak) && box.width() > 0 ? box.width() : 0;
}

bool CTextBlock::Wraps(double wrapWidth) const { return m_widestBreakable > wrapWidth; }

double CTextBlock::LineOffset(const Line& line, bool centred) const
{
    if (!centred)
        return 0.0;
    // By the advance, halved in 1/64 pixel and truncated, as Qt's layout
    // centres a line, so that glyphs land on the same pixels as text drawn by
    // Qt itself (an italic line's overhang does not count).
    const long long spare = std::llround((m_width - line.advance) * 64);
    return static_cast<double>(spare / 2) / 64;
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
    std::vector<GatheredRun> gathered;
    const bool decorated = m_font.underline() || m_font.strikeOut();
    for (const Line& line : m_lines) {
        const double offset = LineOffset(line, centred);
        const QPointF at(offset, line.top);
        if (decorated)
            p.ink |= QRectF(at, QSizeF(line.width, line.height));
        if (!line.ink.isNull())
            p.ink |= line.ink.translated(at);
        for (const QGlyphRun& run : line.runs)
            Gather(gathered, run, offset);
    }
    for (GatheredRun& g : gathered) {
        g.like.setGlyphIndexes(g.glyphs);
        g.like.setPositions(g.positions);
        p.runs.push_back(std::move(g.like));
    }
    return p;
}

double CTextBlock::BoxWidth() const
{
    return std::max(m_extent[0].Width(), m_extent[1].Width()) + 2 * kGlyphSlack;
}

void CTextBlock::Draw(QPainter& painter, QPointF origin, bool centred)
{
    // Qt positions glyphs in 1/64 pixel, truncating; the origin goes onto
    // that grid first, as for text Qt lays out itself, so that a glyph lands
    // on the same pixel on either side of zero.
    const QPointF grid(std::trunc(origin.x() * 64) / 64, std::trunc(origin.y() * 64) / 64);
    for (const QGlyphRun& run : Prepare(centred).runs)
        painter.drawGlyphRun(grid, run);
}

void CTextBlock::DrawAsText(QPainter& painter, QPointF origin, bool centred) const
{
    painter.setFont(m_font);
    for (const Line& line : m_lines)
        painter.drawText(origin + QPointF(LineOffset(line, centred), line.top + line.ascent), line.text);
}

CTextBlock::Placement CTextBlock::Place(const QRect& box, unsigned flags)
{
    const bool centred = (flags & TextFlags::Center) != 0;
    Placement place;
    const Extent& extent = m_extent[centred];
    double x = box.left() - extent.left;
    double y = box.top();
    if (centred)
        x += (box.width() - extent.Width()) / 2;
    if ((flags & TextFlags::VCenter) && m_lines.size() == 1)
        y += std::trunc((box.height() - m_height) / 2);
    place.origin = {x, y};
    const QRectF ink = Prepare(centred).ink.translated(x, y).adjusted(-kGlyphSlack, -kGlyphSlack, kGlyphSlack,
                                                                      kGlyphSlack);
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
