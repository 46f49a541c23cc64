#include "SvgPaintDevice.h"

#include "SvgPaintEngine.h"

CSvgPaintDevice::CSvgPaintDevice(QIODevice& out, QSize size, const QString& title)
    : m_size(size)
    , m_engine(std::make_unique<CSvgPaintEngine>(out, size, title))
{
}

CSvgPaintDevice::~CSvgPaintDevice() = default;

QPaintEngine* CSvgPaintDevice::paintEngine() const { return m_engine.get(); }

bool CSvgPaintDevice::Ok() const { return m_engine->Ok(); }

int CSvgPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / kDotsPerInch);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / kDotsPerInch);
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDotsPerInch;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
