#pragma once

#include <QByteArray>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSize>
#include <QString>

#include <optional>

class QIODevice;

// Writes what a QPainter draws as SVG to a device while it draws, so that a
// picture of millions of shapes costs no more memory than one of ten (Qt's
// own generator keeps the whole document in memory until the end). It
// clips, with clip paths, so that text keeps its rectangle and stays text.
// Solid colours only: the charts use no gradient, pattern or image brush.
class CSvgPaintEngine : public QPaintEngine {
public:
    CSvgPaintEngine(QIODevice& out, QSize size, QString title);

    bool begin(QPaintDevice* device) override;
    bool end() override;
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override;

    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawTextItem(const QPointF& p, const QTextItem& item) override;
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override;

    // False once a write failed: what follows is not written.
    bool Ok() const { return m_ok; }

private:
    void Write(const QByteArray& text);
    void Flush();
    // Closes the open clip group, then opens one for the clip in effect.
    void ApplyClip();
    void SetClip(QPainterPath clip, Qt::ClipOperation operation);
    // The attributes of an element painted with fill and stroke (either
    // may be none), in the current transform.
    QByteArray Style(const QBrush& fill, const QPen& stroke) const;
    QByteArray Transform() const;

    QIODevice& m_out;
    QSize m_size;
    QString m_title;
    QByteArray m_buffer; // written in pieces of some kilobytes
    bool m_ok = true;

    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    QTransform m_transform;
    std::optional<QPainterPath> m_clip; // in the picture's coordinates
    bool m_clipEnabled = false;
    bool m_clipOpen = false;
    int m_clipCount = 0;
};
