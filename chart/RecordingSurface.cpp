#include "RecordingSurface.h"

#include "ChartMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Number of characters (UTF-8 code points) in a byte range.
int CodePoints(const std::string& s, size_t begin, size_t end)
{
    int count = 0;
    for (size_t i = begin; i < end; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            ++count;
    return count;
}

// Splits text at "\n" and, with word-break, between words that would pass
// maxWidth; returns each line's width in characters.
std::vector<int> LayoutLines(const std::string& text, bool wordBreak, int charWidth, int maxWidth)
{
    std::vector<int> lines;
    size_t start = 0;
    while (true) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (!wordBreak) {
            lines.push_back(CodePoints(text, start, end));
        } else {
            int current = -1; // characters in the line being filled, -1 before its first word
            size_t pos = start;
            while (pos <= end) {
                size_t wordEnd = std::min(text.find(' ', pos), end);
                const int word = CodePoints(text, pos, wordEnd);
                const int joined = current < 0 ? word : current + 1 + word;
                if (current >= 0 && static_cast<double>(joined) * charWidth > maxWidth) {
                    lines.push_back(current);
                    current = word;
                } else {
                    current = joined;
                }
                pos = wordEnd + 1;
            }
            lines.push_back(std::max(current, 0));
        }
        if (end >= text.size())
            break;
        start = end + 1;
    }
    return lines;
}

} // namespace

const char* SurfaceOp::Name(Kind kind)
{
    switch (kind) {
    case Kind::MoveTo: return "moveto";
    case Kind::LineTo: return "lineto";
    case Kind::Ellipse: return "ellipse";
    case Kind::FillRect: return "fillrect";
    case Kind::FillEllipse: return "fillellipse";
    case Kind::FillSolidRect: return "fillsolidrect";
    case Kind::Draw3dRect: return "draw3drect";
    case Kind::Text: return "text";
    case Kind::Measure: return "measure";
    }
    return "";
}

CRecordingSurface::CRecordingSurface(CDrawSurface* inner)
    : m_inner(inner)
{
}

SurfaceOp SurfaceOp::WithStateOf(const CDrawSurface& dc, Kind kind)
{
    SurfaceOp op;
    op.Reset(dc, kind);
    return op;
}

// Every member is set: what one kind of operation leaves unset must not
// keep another operation's value.
void SurfaceOp::Reset(const CDrawSurface& dc, Kind k)
{
    kind = k;
    from = to = Point{};
    rect = Rect{};
    brush = dc.CurrentBrush();
    color = dc.TextColor();
    color2 = 0;
    pen = dc.CurrentPen();
    font = dc.CurrentFont();
    bkColor = dc.BkColor();
    bkMode = dc.BackgroundMode();
    text.clear();
    flags = 0;
    result = 0;
}

SurfaceOp& CRecordingSurface::Log(SurfaceOp::Kind kind) { return m_ops.emplace_back(SurfaceOp::WithStateOf(*this, kind)); }

Pen CRecordingSurface::SelectPen(const Pen& pen)
{
    if (m_inner)
        m_inner->SelectPen(pen);
    return CDrawSurface::SelectPen(pen);
}

Brush CRecordingSurface::SelectBrush(const Brush& brush)
{
    if (m_inner)
        m_inner->SelectBrush(brush);
    return CDrawSurface::SelectBrush(brush);
}

Font CRecordingSurface::SelectFont(const Font& font)
{
    if (m_inner)
        m_inner->SelectFont(font);
    return CDrawSurface::SelectFont(font);
}

Color CRecordingSurface::SetTextColor(Color color)
{
    if (m_inner)
        m_inner->SetTextColor(color);
    return CDrawSurface::SetTextColor(color);
}

Color CRecordingSurface::SetBkColor(Color color)
{
    if (m_inner)
        m_inner->SetBkColor(color);
    return CDrawSurface::SetBkColor(color);
}

BkMode CRecordingSurface::SetBkMode(BkMode mode)
{
    if (m_inner)
        m_inner->SetBkMode(mode);
    return CDrawSurface::SetBkMode(mode);
}

void CRecordingSurface::DoMoveTo(Point to)
{
    Log(SurfaceOp::Kind::MoveTo).to = to;
    if (m_inner)
        m_inner->MoveTo(to.x, to.y);
}

void CRecordingSurface::DoLineTo(Point from, Point to)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::LineTo);
    op.from = from;
    op.to = to;
    if (m_inner)
        m_inner->LineTo(to.x, to.y);
}

void CRecordingSurface::Ellipse(const Rect& rc)
{
    Log(SurfaceOp::Kind::Ellipse).rect = rc;
    if (m_inner)
        m_inner->Ellipse(rc);
}

void CRecordingSurface::FillRect(const Rect& rc, const Brush& brush)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::FillRect);
    op.rect = rc;
    op.brush = brush;
    if (m_inner)
        m_inner->FillRect(rc, brush);
}

void CRecordingSurface::FillEllipse(const Rect& rc, const Brush& brush)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::FillEllipse);
    op.rect = rc;
    op.brush = brush;
    if (m_inner)
        m_inner->FillEllipse(rc, brush);
}

void CRecordingSurface::DoFillSolidRect(const Rect& rc, Color color)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::FillSolidRect);
    op.rect = rc;
    op.color = color;
    if (m_inner)
        m_inner->FillSolidRect(rc, color);
}

void CRecordingSurface::Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::Draw3dRect);
    op.rect = rc;
    op.color = topLeft;
    op.color2 = bottomRight;
    if (m_inner)
        m_inner->Draw3dRect(rc, topLeft, bottomRight);
}

bool CRecordingSurface::HasGlyphs(const std::string& text)
{
    return !m_inner || m_inner->HasGlyphs(text);
}

int CRecordingSurface::DrawText(const std::string& text, Rect& rc, unsigned flags)
{
    const bool measure = (flags & TextFlags::CalcRect) != 0;
    SurfaceOp& op = Log(measure ? SurfaceOp::Kind::Measure : SurfaceOp::Kind::Text);
    op.text = text;
    op.flags = flags;
    int height = 0;
    if (m_inner) {
        height = m_inner->DrawText(text, rc, flags);
    } else {
        Rect box = rc;
        height = MeasureFixed(text, box, flags);
        if (measure)
            rc = box;
    }
    // Log() may have moved the vector: look the entry up again.
    m_ops.back().rect = rc;
    m_ops.back().result = height;
    return height;
}

int CRecordingSurface::FixedLineHeight(const Font& font)
{
    if (font.height == 0)
        return 16;
    if (font.height > 0)
        return font.height;
    const double h = -static_cast<double>(font.height);
    return TruncToInt(h + std::trunc(h / 5)); // character height plus internal leading
}

int CRecordingSurface::FixedCharWidth(const Font& font) { return std::max(1, FixedLineHeight(font) / 2); }

int CRecordingSurface::MeasureFixed(const std::string& text, Rect& rc, unsigned flags) const
{
    const int lineHeight = FixedLineHeight(CurrentFont());
    const int charWidth = FixedCharWidth(CurrentFont());
    const bool wordBreak = (flags & TextFlags::WordBreak) != 0;
    const std::vector<int> lines = LayoutLines(text, wordBreak, charWidth, rc.Width());
    // In doubles: a huge font (a zoom of 0 from a damaged file) must not overflow.
    double widestChars = 0;
    for (int chars : lines)
        widestChars = std::max(widestChars, static_cast<double>(chars));
    const int widest = TruncToInt(widestChars * charWidth);
    const int height = TruncToInt(static_cast<double>(lines.size()) * lineHeight);
    if (flags & TextFlags::CalcRect) {
        // Centred text keeps its centre; otherwise the box grows from the left.
        if ((flags & TextFlags::Center) && rc.Width() > 0) {
            const int half = TruncToInt((static_cast<double>(rc.Width()) - widest) / 2);
            const int left = TruncToInt(static_cast<double>(rc.left) + half);
            rc.left = left;
            rc.right = TruncToInt(static_cast<double>(left) + widest);
        } else {
            rc.right = TruncToInt(static_cast<double>(rc.left) + widest);
        }
        rc.bottom = TruncToInt(static_cast<double>(rc.top) + height);
    }
    return height;
}
