#include "CaptionedPicture.h"

#include "PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

// The box text takes in font from topLeft, as dc lays it out.
Rect MeasuredBox(CDrawSurface& dc, const std::string& text, const Font& font, Point topLeft)
{
    const Font oldFont = dc.SelectFont(font);
    Rect box{topLeft.x, topLeft.y, topLeft.x, topLeft.y};
    dc.DrawText(text, box, TextFlags::CalcRect | TextFlags::NoPrefix);
    dc.SelectFont(oldFont);
    return box;
}

// The same on a device of zoom pixels a chart unit, before there is one.
Rect MeasuredBox(const std::string& text, const Font& font, double zoom)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    CPainterSurface measure(painter, zoom);
    return MeasuredBox(measure, text, font, {0, 0});
}

// Black text on the picture, measured again on the surface that paints it,
// so that a printer's resolution cannot clip it to the export's measure.
void PaintCaption(CDrawSurface& dc, const std::string& text, const Font& font, Point topLeft)
{
    Rect box = MeasuredBox(dc, text, font, topLeft);
    const Font oldFont = dc.SelectFont(font);
    const Color oldColor = dc.SetTextColor(Colors::Black);
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    dc.DrawText(text, box, TextFlags::NoPrefix);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColor);
    dc.SelectFont(oldFont);
}

} // namespace

CaptionedPicture AddCaption(const Picture& picture, const Rect& region, const std::vector<std::string>& lines,
                            const Font& font, double zoom)
{
    if (lines.empty())
        return {picture, region};
    const std::string text = Joined(lines);
    const Rect measured = MeasuredBox(text, font, zoom);
    const int gap = std::max(1, measured.Height() / static_cast<int>(2 * lines.size())); // half a line
    const Point topLeft{region.left + gap, region.bottom + gap};
    Rect extended = region;
    extended.bottom = topLeft.y + measured.Height() + gap;
    extended.right = std::max(region.right, topLeft.x + measured.Width() + gap);
    const auto paint = [paint = picture.paint, text, font, topLeft](CDrawSurface& dc) {
        paint(dc);
        PaintCaption(dc, text, font, topLeft);
    };
    return {{picture.title, paint}, extended};
}
