#include "ZoomView.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

// A fit settles in one or two steps; a few more cover a label at a rounding edge.
constexpr int kFitAttempts = 4;

} // namespace

CZoomView::CZoomView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    // Every paint covers the whole window: no background fill first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { userScrolled(horizontalScrollBar(), action, true); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { userScrolled(verticalScrollBar(), action, false); });
}

float CZoomView::setZoom(float factor)
{
    const float previous = m_model.SetZoom(factor);
    zoomApplied(previous);
    return previous;
}

bool CZoomView::setZoomLevels(const std::vector<float>& levels) { return m_model.SetLevels(levels); }

bool CZoomView::zoomIn(std::optional<QPoint> at)
{
    const int level = m_model.LevelAbove();
    if (level < 0) {
        QApplication::beep();
        return false;
    }
    return moveToLevel(level, at);
}

bool CZoomView::zoomOut(std::optional<QPoint> at)
{
    const int level = m_model.LevelBelow();
    if (level < 0) {
        QApplication::beep();
        return false;
    }
    return moveToLevel(level, at);
}

// Measured without scroll bars: at the fitting factor there are none. The
// labels' size in chart units follows the zoom, and the area with them, so
// the fit is taken again at the factor found until it holds.
void CZoomView::zoomToFit()
{
    const QSize client = maximumViewportSize();
    for (int attempt = 0; attempt < kFitAttempts; ++attempt) {
        const float fit = m_model.FitZoom(m_area, {client.width(), client.height()});
        if (fit == zoom())
            return;
        setZoom(fit);
    }
}

void CZoomView::zoomToActualSize() { zoomAbout(1.0f, windowCentre()); }

void CZoomView::setChartArea(const Rect& chartUnits)
{
    if (chartUnits == m_area)
        return;
    m_area = chartUnits;
    releaseHold();
    updateScrollBars();
    viewport()->update();
}

void CZoomView::holdChartInPlace() { m_held = Held {viewport()->mapTo(window(), origin()), window()->size()}; }

void CZoomView::releaseHold()
{
    m_held.reset();
    m_shift = {};
}

void CZoomView::restoreHeldPlace()
{
    const QPoint target = viewport()->mapFrom(window(), m_held->origin);
    const Size pixels = m_model.PixelSize(m_area);
    const QPoint edge = target + QPoint(m_model.ToWindow(m_area.left), m_model.ToWindow(m_area.top));
    const QSize client = viewport()->size();
    // A scrolled axis scrolls back as far as its range allows; the rest, and
    // all of it on a centred axis, moves the chart off its place.
    if (pixels.cx >= client.width())
        horizontalScrollBar()->setValue(-edge.x());
    if (pixels.cy >= client.height())
        verticalScrollBar()->setValue(-edge.y());
    m_shift = {};
    m_shift = target - origin();
    viewport()->update();
}

void CZoomView::centreView()
{
    releaseHold();
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        bar->setValue((bar->minimum() + bar->maximum()) / 2);
}

Point CZoomView::toChart(const QPoint& window) const
{
    const QPoint o = origin();
    return {m_model.ToChart(window.x() - o.x()), m_model.ToChart(window.y() - o.y())};
}

QPoint CZoomView::toWindow(Point chart) const
{
    return origin() + QPoint(m_model.ToWindow(chart.x), m_model.ToWindow(chart.y));
}

void CZoomView::paintEvent(QPaintEvent* event)
{
    m_paintRegion = event->region();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(origin());
    drawContents(painter, scale());
}

// Also called for the viewport's own resizes, as when a scroll bar comes or goes.
void CZoomView::resizeEvent(QResizeEvent* /*event*/)
{
    updateScrollBars();
    if (m_held && m_held->window != window()->size())
        releaseHold(); // the user resized the window
    if (m_held)
        restoreHeldPlace();
}

bool CZoomView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Wheel)
        releaseHold();
    // The pointer gone elsewhere (to the panel that opened, say), the held
    // chart goes back to its place, where the scroll bars reach all of it.
    if (event->type() == QEvent::Leave && m_held && QGuiApplication::mouseButtons() == Qt::NoButton) {
        releaseHold();
        viewport()->update();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// Ctrl+wheel collects movement and zooms one level per full notch about
// the pointer; a forward turn zooms in. Without Ctrl the wheel scrolls.
void CZoomView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const QPoint pointer = event->position().toPoint();
    switch (m_model.AddWheel(event->angleDelta().y())) {
    case CZoomModel::WheelStep::ZoomIn: zoomIn(pointer); break;
    case CZoomModel::WheelStep::ZoomOut: zoomOut(pointer); break;
    case CZoomModel::WheelStep::None: break;
    }
    event->accept();
}

bool CZoomView::moveToLevel(int index, std::optional<QPoint> at)
{
    const QPoint fixed = at ? *at : windowCentre();
    const Point chart = toChart(fixed);
    const float previous = m_model.Zoom();
    if (!m_model.MoveToLevel(index))
        return false;
    zoomApplied(previous);
    scrollToPlace(chart, fixed);
    return true;
}

void CZoomView::zoomAbout(float factor, QPoint at)
{
    const Point chart = toChart(at);
    zoomApplied(m_model.SetZoom(factor));
    scrollToPlace(chart, at);
}

void CZoomView::scrollToPlace(Point chart, QPoint at)
{
    releaseHold();
    horizontalScrollBar()->setValue(m_model.ScrollToPlace(chart.x, at.x(), viewport()->width(), m_area.left, m_area.right));
    verticalScrollBar()->setValue(m_model.ScrollToPlace(chart.y, at.y(), viewport()->height(), m_area.top, m_area.bottom));
}

void CZoomView::ensureVisible(Point chart, int margin)
{
    if (!viewport()->rect().adjusted(margin, margin, -margin, -margin).contains(toWindow(chart)))
        scrollToPlace(chart, windowCentre());
}

QPoint CZoomView::windowCentre() const { return {viewport()->width() / 2, viewport()->height() / 2}; }

void CZoomView::zoomApplied(float previous)
{
    if (m_model.Zoom() == previous)
        return;
    releaseHold();
    updateScrollBars();
    emit zoomChanged(previous, m_model.Zoom());
    viewport()->update();
}

void CZoomView::updateScrollBars()
{
    const Size pixels = m_model.PixelSize(m_area);
    const Size line = m_model.LineStep(m_area);
    const QSize client = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    // The slider's length shows the window's share of the chart.
    h->setPageStep(client.width());
    v->setPageStep(client.height());
    h->setSingleStep(std::max(1, line.cx));
    v->setSingleStep(std::max(1, line.cy));
    h->setRange(0, std::max(0, pixels.cx - client.width()));
    v->setRange(0, std::max(0, pixels.cy - client.height()));
}

void CZoomView::userScrolled(QScrollBar* bar, int action, bool horizontal)
{
    releaseHold();
    if (action != QAbstractSlider::SliderPageStepAdd && action != QAbstractSlider::SliderPageStepSub)
        return;
    const Size page = m_model.PageStep(m_area);
    const int step = horizontal ? page.cx : page.cy;
    // The slider has already moved by a window; the value still holds where it started.
    bar->setSliderPosition(bar->value() + (action == QAbstractSlider::SliderPageStepAdd ? step : -step));
}

QPoint CZoomView::origin() const
{
    const Size pixels = m_model.PixelSize(m_area);
    const QSize client = viewport()->size();
    const QPoint edge(CZoomModel::AxisOrigin(client.width(), pixels.cx, horizontalScrollBar()->value()),
                      CZoomModel::AxisOrigin(client.height(), pixels.cy, verticalScrollBar()->value()));
    return edge + m_shift - QPoint(m_model.ToWindow(m_area.left), m_model.ToWindow(m_area.top));
}
