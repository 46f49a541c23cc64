#pragma once

#include "RecordingSurface.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QStaticText>

#include <vector>

class CTextLayoutCache;
class QPainter;

// The floor of a paint: the operations one paint recorded, turned once into
// device-pixel geometry, Qt pens and prepared QStaticText, and replayed with
// nothing left to compute. What a paint costs beyond this is the chart's own
// work and the surface's overhead.
class COpReplay {
public:
    // ops recorded at zoom; text is laid out through cache as the surface does.
    COpReplay(const std::vector<SurfaceOp>& ops, double zoom, CTextLayoutCache& cache);

    void Run(QPainter& painter) const;
    std::size_t CommandCount() const { return m_commands.size(); }

private:
    enum class Kind { Line, Ellipse, Fill, FillEllipse, Text };
    struct Command {
        Kind kind = Kind::Line;
        int pen = -1;   // Line, Ellipse: index into m_pens
        int font = -1;  // Text: index into m_fonts
        QLineF line;
        QRectF rect;    // Ellipse: the outline's path; Fill, FillEllipse: the area; Text: the clip
        QColor color;   // Fill, FillEllipse, Text
        QBrush brush;   // Ellipse
        QPointF origin; // Text
        bool clip = false;
        QStaticText text;
    };

    void AddText(const SurfaceOp& op, double zoom, CTextLayoutCache& cache);
    void AddFill(const QRect& rect, Color color);
    int PenIndex(const Pen& pen, double zoom);
    int FontIndex(const QFont& font);

    std::vector<Command> m_commands;
    std::vector<QPen> m_pens;
    std::vector<QFont> m_fonts;
};
