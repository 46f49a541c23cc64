#include "QtConversions.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultCellHeight = 16;
// Pixel size at which a face's cell-to-em ratio is taken.
constexpr int kReferencePixels = 100;

int ClampPixels(double pixels)
{
    if (!(pixels >= 1.0)) // also NaN
        return 1;
    return static_cast<int>(std::min(pixels, static_cast<double>(kMaxFontPixels)));
}

// The em size whose cell (ascent + descent) is at most cellPixels high.
int PixelSizeForCell(QFont font, double cellPixels)
{
    font.setPixelSize(kReferencePixels);
    const double cellAtReference = QFontMetricsF(font).height();
    if (cellAtReference <= 0)
        return ClampPixels(cellPixels);
    return ClampPixels(std::floor(cellPixels * kReferencePixels / cellAtReference));
}

} // namespace

QColor ToQColor(Color color) { return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color)); }

QPen ToQPen(const Pen& pen, double zoom)
{
    const double pixels = pen.width * zoom;
    if (pen.width <= 0 || pixels <= 1.0) {
        QPen cosmetic(ToQColor(pen.color), 0, pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
                      Qt::FlatCap);
        cosmetic.setCosmetic(true);
        return cosmetic;
    }
    return QPen(ToQColor(pen.color), std::min(pixels, kMaxPenPixels), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

QFont ToQFont(const Font& font, double zoom)
{
    QFont q;
    if (!font.face.empty())
        q.setFamilies({QString::fromStdString(font.face)});
    // Text has the same pixels on the screen as in a picture of it (which
    // the frames of a drag paint from), so no subpixel antialiasing.
    q.setStyleHint((font.pitchAndFamily & Font::kFamilyBits) == Font::kSwissFamily ? QFont::SansSerif : QFont::AnyStyle,
        font.quality == Font::kNonAntialiased ? QFont::NoAntialias : QFont::NoSubpixelAntialias);
    if (font.weight > 0)
        q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);

    // Name the face actually used, so that SVG and PDF files name a font
    // that exists rather than the missing one asked for.
    if (!font.face.empty()) {
        const QString used = QFontInfo(q).family();
        if (!used.isEmpty() && used.compare(q.families().constFirst(), Qt::CaseInsensitive) != 0)
            q.setFamilies({used});
    }

    // In double: -INT_MIN does not fit an int.
    const double height = static_cast<double>(font.height) * zoom;
    if (font.height < 0)
        q.setPixelSize(ClampPixels(-height));
    else
        q.setPixelSize(PixelSizeForCell(q, font.height == 0 ? kDefaultCellHeight * zoom : height));
    return q;
}
