#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

// One text laid out once in one font, in device pixels: its lines, their
// sizes for measuring and their shaped glyphs, so that drawing it, at the
// first paint and every one after, only blits. Lines break at "\n" and,
// given a wrap width, at spaces between words; a word wider than the wrap
// width keeps a line of its own and widens the block.
class CTextBlock {
public:
    // What one block lays out at most: far more than any window or picture
    // shows at a legible size, few enough that a note of millions of lines
    // costs a fraction of a second and a few megabytes.
    static constexpr std::size_t kMaxLines = 1 << 14;
    static constexpr std::size_t kMaxLineChars = 1 << 14; // characters (code points) of one line
    static constexpr std::size_t kMaxChars = 1 << 18;     // characters of all lines

    // The part of text (UTF-8) that a block lays out: text itself when it is
    // within the bounds, else its first lines, each cut to its first
    // characters, copied into storage. Drawn, such a text is cut where it
    // runs beyond what can be seen; the text itself stays as it is.
    static std::string_view LaidOutPart(std::string_view text, std::string& storage);

    struct Line {
        QString text;
        double width = 0;      // natural width: the advance and any italic overhang
        double advance = 0;    // advance width, which centring goes by
        double top = 0;        // from the block's top
        double height = 0;     // ascent + descent of the line's fonts
        double ascent = 0;
        QRectF ink;            // where its glyphs reach, from the line's top-left
        QList<QGlyphRun> runs; // as laid out, from the block's top-left
    };

    // What drawing needs for one alignment, from the block's top-left: the
    // glyphs of all lines, one run per font, and the box their ink can reach.
    struct Prepared {
        std::vector<QGlyphRun> runs;
        QRectF ink;
    };

    // Where a block goes in a device rectangle and whether it must be clipped.
    struct Placement {
        QPointF origin; // the block's top-left
        bool clip = false;
    };

    // text is plain, lines separated by "\n"; wrapWidth <= 0 breaks only there.
    CTextBlock(const QFont& font, const QString& text, double wrapWidth);

    // The wrap width for DrawText's flags in a device rectangle: 0 without
    // word-break, and for an empty rectangle, which measures the natural size.
    static int WrapWidth(const QRect& box, unsigned flags);

    const QFont& Font() const { return m_font; }
    // The widest line's advance and italic overhang, which centring goes by.
    double Width() const { return m_width; }
    // The width of a box that holds the text as drawn, centred or not, with
    // a pixel to spare on each side: Width() widened to wherever its glyphs
    // reach. Latin glyphs keep inside their advance; Chinese ones, taken
    // from a fallback font, fill it to the last pixel and may pass it.
    double BoxWidth() const;
    double Height() const { return m_height; }
    const std::vector<Line>& Lines() const { return m_lines; }
    // Whether wrapping at wrapWidth could change the lines: only when a line
    // is wider and has a space to break at.
    bool Wraps(double wrapWidth) const;

    // x of a line in the block: centred lines sit in the middle of the block.
    double LineOffset(const Line& line, bool centred) const;
    // Built on first use and kept.
    const Prepared& Prepare(bool centred);
    // The glyphs with the block's top-left at origin, in the painter's pen.
    void Draw(QPainter& painter, QPointF origin, bool centred);
    // The same as text, line by line, for devices that keep text as text
    // (SVG, PDF, printers): glyphs alone would leave them nothing to search
    // or copy. Sets the painter's font.
    void DrawAsText(QPainter& painter, QPointF origin, bool centred) const;
    // Lines centred in box with TextFlags::Center, the glyphs starting at
    // the box's left otherwise; a single line centred vertically with
    // TextFlags::VCenter. Clips when ink would leave box.
    Placement Place(const QRect& box, unsigned flags);
    // The boxes of the lines placed at origin, within box: what an opaque
    // background paints.
    std::vector<QRect> LineBoxes(QPointF origin, const QRect& box, bool centred) const;

private:
    // Where a block reaches across, its advance and its glyphs, from its
    // left edge, for one alignment.
    struct Extent {
        double left = 0; // 0 or less
        double right = 0;
        double Width() const { return right - left; }
    };

    void MeasureExtents();
    Prepared Build(bool centred) const;

    QFont m_font;
    std::vector<Line> m_lines;
    double m_width = 0;
    double m_height = 0;
    double m_widestBreakable = 0; // the widest line with a break opportunity
    Extent m_extent[2];           // left-aligned, centred
    std::optional<Prepared> m_centred;
    std::optional<Prepared> m_left;
};
