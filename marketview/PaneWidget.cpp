#include "PaneWidget.h"

#include "ChartPrinter.h"
#include "FileDialogs.h"
#include "PainterSurface.h"
#include "PaneReadout.h"
#include "SkyEventMarks.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// A notch of the wheel narrows or widens the span by this factor, + and - too.
constexpr double kZoomStep = 1.25;
// The fewest bars a zoom shows.
constexpr double kLeastBars = 5;
// Pixels of the clipboard's image a side at most.
constexpr int kMaxClipboardSide = 8192;

const PaneStyle kStyles[] = {PaneStyle::Candles, PaneStyle::Bars, PaneStyle::Line};

} // namespace

CPaneWidget::CPaneWidget(QWidget* parent)
    : QWidget(parent)
    , m_series(std::make_shared<const BarSeries>())
    , m_columns(std::make_unique<CPaneColumns>(*m_series))
    , m_printer(std::make_unique<CChartPrinter>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_view.SetRect(CPanePainter::PlotRect(PaneRect()));
    createActions();
    updateActions();
}

CPaneWidget::~CPaneWidget() = default;

void CPaneWidget::createActions()
{
    m_menu = new QMenu(this);
    auto* styles = new QActionGroup(this);
    const QString names[] = {tr("蜡烛图"), tr("美国线"), tr("收盘线")};
    for (int i = 0; i < 3; ++i) {
        const PaneStyle style = kStyles[i];
        m_styleActions[i] = m_menu->addAction(names[i], this, [this, style] { SetStyle(style); });
        m_styleActions[i]->setCheckable(true);
        styles->addAction(m_styleActions[i]);
    }
    m_logAction = m_menu->addAction(tr("对数坐标"), this, [this](bool on) { SetLog(on); });
    m_logAction->setCheckable(true);
    // Home itself reaches keyPressEvent: the shortcut is shown, not bound.
    QAction* all = m_menu->addAction(tr("显示全部"), this, &CPaneWidget::ShowAll);
    all->setShortcut(Qt::Key_Home);
    m_menu->addSeparator();
    m_barActions = {all,
                    m_menu->addAction(tr("导出图片…"), this, &CPaneWidget::ExportPane),
                    m_menu->addAction(tr("复制"), this, &CPaneWidget::CopyPane),
                    m_menu->addAction(tr("打印…"), this, &CPaneWidget::PrintPane),
                    m_menu->addAction(tr("打印预览"), this, &CPaneWidget::PreviewPane)};
}

void CPaneWidget::updateActions()
{
    for (int i = 0; i < 3; ++i)
        m_styleActions[i]->setChecked(kStyles[i] == m_style);
    m_logAction->setChecked(m_log);
    for (QAction* action : m_barActions)
        action->setEnabled(HasBars());
}

void CPaneWidget::SetSeries(std::shared_ptr<const BarSeries> series)
{
    m_columns.reset();
    m_series = series ? std::move(series) : std::make_shared<const BarSeries>();
    m_columns = std::make_unique<CPaneColumns>(*m_series);
    m_view.ShowAll(*m_columns);
    m_all = Span();
    updateActions();
    ShowReadout();
    update();
    emit viewChanged();
}

void CPaneWidget::SetSwings(std::vector<Swing> swings)
{
    m_overlay.swings = std::move(swings);
    update();
}

void CPaneWidget::SetTargets(std::vector<Target> targets)
{
    m_overlay.targets = std::move(targets);
    update();
}

void CPaneWidget::SetClusters(std::vector<Cluster> clusters, int window)
{
    m_overlay.clusters = std::move(clusters);
    m_overlay.window = window;
    update();
}

void CPaneWidget::SetEvents(const std::vector<SkyEvent>& events, CBarZone* zone)
{
    m_overlay.events = SkyEventMarks::Of(events, zone);
    update();
}

void CPaneWidget::SetPlanetLevels(std::vector<PlanetLongitude> planets, double scale)
{
    m_overlay.planets = std::move(planets);
    m_overlay.levelScale = scale;
    update();
}

void CPaneWidget::SetStyle(PaneStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    updateActions();
    update();
    emit viewChanged();
}

void CPaneWidget::SetLog(bool log)
{
    if (log == m_log)
        return;
    m_log = log;
    m_view.SetLog(log);
    m_view.FitPrices(*m_columns);
    updateActions();
    update();
    emit viewChanged();
}

void CPaneWidget::ShowAll()
{
    MoveView([this] { m_view.ShowAll(*m_columns); });
}

// A span from a settings file edited by hand may be anything.
void CPaneWidget::SetSpan(double first, double last)
{
    if (!std::isfinite(first) || !std::isfinite(last) || first >= last)
        return;
    MoveView([this, first, last] { m_view.SetTimes(first, last); });
}

double CPaneWidget::LeastSpan() const
{
    return std::min(m_all.second - m_all.first, kLeastBars * CPaneView::Slot(*m_series));
}

void CPaneWidget::MoveView(const std::function<void()>& change, bool notify)
{
    const std::pair<double, double> before = Span();
    change();
    if (HasBars()) {
        const double span =
            std::clamp(m_view.LastTime() - m_view.FirstTime(), LeastSpan(), m_all.second - m_all.first);
        const double first = std::clamp(m_view.FirstTime(), m_all.first, m_all.second - span);
        m_view.SetTimes(first, first + span);
        m_view.FitPrices(*m_columns);
    }
    ShowReadout();
    update();
    if (notify && Span() != before)
        emit viewChanged();
}

// The factor is held so that the span stays between a few bars and the
// whole history: the time under x stays where it is.
void CPaneWidget::ZoomAbout(double x, double factor)
{
    if (!HasBars())
        return;
    const double span = m_view.LastTime() - m_view.FirstTime();
    factor = std::clamp(factor, span / (m_all.second - m_all.first), span / LeastSpan());
    MoveView([this, x, factor] { m_view.ZoomAbout(x, factor); });
}

Picture CPaneWidget::PanePicture() const
{
    return {tr("行情").toStdString(),
            [this](CDrawSurface& dc) { CPanePainter(dc, m_view).Draw(*m_columns, m_style, m_overlay); }};
}

QSize CPaneWidget::minimumSizeHint() const
{
    return {CPanePainter::kPriceAxisWidth + 80, CPanePainter::kDateAxisHeight + 60};
}

void CPaneWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!HasBars()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("没有行情：用 行情 → 导入行情… 导入价格文件"));
        return;
    }
    {
        CPainterSurface dc(painter, 1.0);
        PanePicture().paint(dc);
    }
    DrawCrosshair(painter);
}

// A thin dashed cross through the pointer, within the plot.
void CPaneWidget::DrawCrosshair(QPainter& painter) const
{
    const Rect& rc = m_view.GetRect();
    if (!m_pointer || !rc.Contains(m_pointer->x(), m_pointer->y()))
        return;
    painter.setPen(QPen(QColor(90, 90, 90), 0, Qt::DashLine));
    painter.drawLine(m_pointer->x(), rc.top, m_pointer->x(), rc.bottom - 1);
    painter.drawLine(rc.left, m_pointer->y(), rc.right - 1, m_pointer->y());
}

void CPaneWidget::resizeEvent(QResizeEvent*)
{
    m_view.SetRect(CPanePainter::PlotRect(PaneRect()));
}

void CPaneWidget::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        ZoomAbout(event->position().x(), std::pow(kZoomStep, notches));
    event->accept();
}

void CPaneWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_press = event->position().toPoint();
    m_dragAt = *m_press;
    m_dragging = false;
}

void CPaneWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pointer = at;
    if (m_press && (event->buttons() & Qt::LeftButton)) {
        m_dragging = m_dragging || (at - *m_press).manhattanLength() >= QApplication::startDragDistance();
        if (m_dragging) {
            const int dx = at.x() - m_dragAt.x();
            m_dragAt = at;
            // The span is told once, when the drag ends.
            MoveView([this, dx] { m_view.Pan(dx); }, false);
            return;
        }
    }
    ShowReadout();
    update();
}

void CPaneWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_press)
        return QWidget::mouseReleaseEvent(event);
    const QPointF at = event->position();
    if (m_dragging) {
        emit viewChanged();
    } else if (const std::optional<std::size_t> swing = m_view.SwingAt(m_overlay.swings, at.x(), at.y(), kSwingReach)) {
        emit swingClicked(static_cast<int>(*swing));
    }
    m_press.reset();
    m_dragging = false;
}

void CPaneWidget::leaveEvent(QEvent*)
{
    m_pointer.reset();
    ShowReadout();
    update();
}

void CPaneWidget::keyPressEvent(QKeyEvent* event)
{
    const double middle = (m_view.GetRect().left + m_view.GetRect().right) / 2.0;
    switch (event->key()) {
    case Qt::Key_Home: ShowAll(); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomAbout(middle, kZoomStep); break;
    case Qt::Key_Minus: ZoomAbout(middle, 1 / kZoomStep); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void CPaneWidget::contextMenuEvent(QContextMenuEvent* event)
{
    updateActions();
    m_menu->popup(event->globalPos());
}

// The bar under the pointer's pixel column, told when it changes.
void CPaneWidget::ShowReadout()
{
    QString text;
    if (m_pointer && HasBars() && m_view.GetRect().Contains(m_pointer->x(), m_pointer->y())) {
        const double time = m_view.TimeOfX(m_pointer->x() + 0.5);
        if (const std::optional<std::size_t> bar = PaneReadout::BarAt(*m_columns, time))
            text = QString::fromStdString(PaneReadout::Text(m_series->bars[*bar], m_series->intraday));
    }
    if (text == m_readout)
        return;
    m_readout = text;
    emit readoutChanged(text);
}

void CPaneWidget::ExportPane()
{
    const QString path = FileDialogs::AskExportPath(this, tr("导出图片"), FileDialogs::PictureFilters());
    std::string error;
    if (!path.isEmpty() && !ExportPicture(PanePicture(), FileDialogs::LocalPath(path), PaneRect(), 1.0, error))
        ShowFailure(QString::fromStdString(error));
}

void CPaneWidget::CopyPane()
{
    std::string error;
    const QImage image = PictureImage(PanePicture(), PaneRect(), 1.0, kMaxClipboardSide, error);
    if (image.isNull())
        ShowFailure(QString::fromStdString(error));
    else
        QApplication::clipboard()->setImage(image);
}

void CPaneWidget::PrintPane()
{
    if (!m_printer->Print(PanePicture(), PaneRect()))
        ShowFailure(tr("无法打印行情图。"));
}

void CPaneWidget::PreviewPane() { m_printer->Preview(PanePicture(), PaneRect()); }

void CPaneWidget::ShowFailure(const QString& message)
{
    QMessageBox::warning(this, QApplication::applicationName(), message);
}
