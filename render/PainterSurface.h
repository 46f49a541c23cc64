#pragma once

#include "DeviceMapping.h"
#include "DrawSurface.h"

#include <QRectF>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class CTextBlock;
class CTextLayoutCache;
class QPainter;

// The drawing surface on a QPainter: one back end for the screen, the
// printer, PNG images, SVG and PDF. Chart units are scaled by the zoom on top
// of whatever transform the painter already has (the view's scrolling); the
// painter's state is restored when the surface goes.
//
// Text is laid out once and kept in a CTextLayoutCache, by default the one
// shared on the application's thread, so that repaints only draw glyphs.
class CPainterSurface : public CDrawSurface {
public:
    CPainterSurface(QPainter& painter, double zoom, CTextLayoutCache* cache = nullptr);
    ~CPainterSurface() override;
    CPainterSurface(const CPainterSurface&) = delete;
    CPainterSurface& operator=(const CPainterSurface&) = delete;

    // At most max shapes and lines of text are drawn from now on; what comes
    // after is left out. Vector files keep every one (a PDF in memory until
    // it is written), which a picture of millions of cells cannot afford.
    void LimitItems(std::size_t max) { m_itemLimit = max; }
    // Whether the limit left anything out.
    bool LeftItemsOut() const { return m_leftItemsOut; }
    // Culls text as a device of size would, for a surface that only measures
    // on behalf of a paint on that device.
    void SetDeviceSize(QSize size);
    // Leaves out text and shapes wholly outside area (device pixels) on any
    // device, as a raster device does beyond its pixels: one page of a chart
    // printed over many carries only its own part.
    void ShowOnly(const QRectF& area);
    // Labels whose font is less than pixels high are not shown (MayShowText),
    // for a picture too small for them to be read.
    void HideLabelsUnder(double pixels) { m_smallestLabel = pixels; }

    Font SelectFont(const Font& font) override;

    void Ellipse(const Rect& rc) override;
    void FillRect(const Rect& rc, const Brush& brush) override;
    void FillEllipse(const Rect& rc, const Brush& brush) override;
    void Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight) override;
    int DrawText(const std::string& text, Rect& rc, unsigned flags) override;
    bool MayShowText(const std::string& text, const Rect& rc) override;
    bool HasGlyphs(const std::string& text) override;

protected:
    void DoLineTo(Point from, Point to) override;
    void DoFillSolidRect(const Rect& rc, Color color) override;

private:
    // What the painter's pen was last set to, so that runs of lines or of
    // labels in one colour set it once.
    enum class PenUse { None, Line, Text };

    // Counts count items against the limit: false when they are left out.
    bool Admit(std::size_t count);
    // Whether a shape whose outline runs along box (painter coordinates),
    // inked reach beyond it, may touch the shown area.
    bool MayShow(const QRectF& box, double reach) const;
    // How far the current pen inks beyond the path it strokes.
    double PenReach() const;
    // The id in the text cache of the selected font.
    int CurrentFontId();
    void UseLinePen();
    void UseTextPen(Color color);
    Rect MeasuredBox(const Rect& rc, const CTextBlock& block, unsigned flags) const;
    void DrawBlock(CTextBlock& block, const Rect& rc, unsigned flags);
    void DrawLines(CTextBlock& block, QPointF origin, bool centred);

    QPainter& m_painter;
    CDeviceMapping m_map;
    std::unique_ptr<CTextLayoutCache> m_ownCache;
    CTextLayoutCache* m_cache = nullptr;
    // Raster devices get the glyphs kept from the layout; others get text
    // they can keep as text.
    bool m_raster = false;
    // On a raster device, the part of the painter's plane that reaches its
    // pixels: text and shapes entirely outside it are not drawn, which
    // changes no pixel. Vector devices get everything, visible or not,
    // unless ShowOnly says.
    std::optional<QRectF> m_pixelArea;
    double m_smallestLabel = 0;

    std::size_t m_itemLimit = SIZE_MAX;
    std::size_t m_items = 0;
    bool m_leftItemsOut = false;

    int m_fontId = -1; // -1: not resolved since the last SelectFont
    unsigned m_fontGeneration = 0;
    PenUse m_penUse = PenUse::None;
    Pen m_painterLinePen;
    Color m_painterTextColor = 0;
};
