#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class CSvgPaintEngine;
class QIODevice;

// A picture of size pixels that a QPainter paints into an SVG document on
// out, written as it is painted (CSvgPaintEngine). One painter, once.
class CSvgPaintDevice : public QPaintDevice {
public:
    // CSS pixels: what SVG user units are.
    static constexpr int kDotsPerInch = 96;

    CSvgPaintDevice(QIODevice& out, QSize size, const QString& title);
    ~CSvgPaintDevice() override;
    CSvgPaintDevice(const CSvgPaintDevice&) = delete;
    CSvgPaintDevice& operator=(const CSvgPaintDevice&) = delete;

    QPaintEngine* paintEngine() const override;
    // False when writing to out failed.
    bool Ok() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<CSvgPaintEngine> m_engine;
};
