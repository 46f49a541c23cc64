#include "Rotula2View.h"

#include "AstrologyReport.h"
#include "BaseDraw.h"
#include "CanvasFit.h"
#include "CellFacts.h"
#include "ChartDocument.h"
#include "ChartExport.h"
#include "ChartKinds.h"
#include "CommentsDialog.h"
#include "PainterSurface.h"
#include "PictureRegion.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// The zoom levels of the chart window.
const std::vector<float> kZoomLevels = {0.2f, 0.25f, 0.33f, 0.4f, 0.5f, 0.618f, 0.75f, 0.8f,
                                        1.0f, 1.1f,  1.25f, 1.4f, 1.5f, 1.65f,  1.8f,  2.0f,
                                        2.2f, 2.5f,  2.8f,  3.0f, 3.3f, 3.6f,   4.0f,  8.0f};

// Canvas side = the larger screen side less this; charts keep this margin inside it.
constexpr int kCanvasShrink = 30;
constexpr int kChartMargin = 50;

// A found cell closer than this to the window's edge is scrolled to its centre.
constexpr int kVisibleMargin = 40;

} // namespace

CRotula2View::CRotula2View(CChartDocument& document, QWidget* parent)
    : CZoomView(parent)
    , m_doc(document)
{
    // Moves without a button pressed show the hand over the handles.
    viewport()->setMouseTracking(true);
    m_doc.SetHost(this);
    // A document that outlives the view stops asking it to repaint; one
    // destroyed first takes the connection with it.
    connect(this, &QObject::destroyed, &m_doc, [doc = &m_doc] { doc->SetHost(nullptr); });
    connect(this, &CZoomView::zoomChanged, this, &CRotula2View::GiveZoomToChart);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QAbstractSlider::valueChanged, this, &CRotula2View::statusChanged);
    connect(&m_doc, &CChartDocument::kindChanged, this, &CRotula2View::ChartBecameCurrent);
    connect(&m_doc, &CChartDocument::pictureChanged, this, &CRotula2View::InvalidateChart);
    for (auto changed : {&CChartDocument::parametersChanged, &CChartDocument::switchesChanged,
                         &CChartDocument::annotationsChanged})
        connect(&m_doc, changed, this, &CRotula2View::ChartChanged);
    ChartBecameCurrent();
}

CRotula2View::~CRotula2View() = default;

void CRotula2View::InitialUpdate(Size screen)
{
    setZoomLevels(kZoomLevels);
    const int side = std::max(screen.cx, screen.cy) - kCanvasShrink;
    m_szCanvas = {side, side};
    m_rcChart = {kChartMargin, kChartMargin, side - kChartMargin, side - kChartMargin};
    m_doc.SetViewGeometry(m_szCanvas, m_rcChart);
}

void CRotula2View::SetPaletteColor(Color color) { m_crPalette = color; }

void CRotula2View::SetLineNumber(int number) { m_nLineNumber = std::clamp(number, 1, 4); }

void CRotula2View::ScrollToCell(int n) { ensureVisible(Chart().GetCellCenter(n), kVisibleMargin); }

PointerStatus CRotula2View::Status()
{
    CBaseDraw& chart = Chart();
    const Point pt = m_pointer ? toChart(*m_pointer) : Point {};
    const int n = m_pointer ? CellAt(chart, m_doc.Kind(), pt) : 0;
    const int body = m_pointer ? chart.PlanetAt(pt) : -1;
    const std::string planet = body >= 0 ? AstrologyReport::DescribeBody(body, (*chart.m_Planets)[body]) : "";
    return DescribePointer(StatusFacts(n), zoom(), planet, StatusFacts(m_doc.Marks().Found()));
}

// The status bar names a cell's day with its year, wherever its label stands.
std::optional<CellFacts> CRotula2View::StatusFacts(int n)
{
    if (n == 0)
        return std::nullopt;
    CellFacts facts = FactsOfCell(Chart(), m_doc.Kind(), n);
    facts.date = FullDate(Chart().CellDay(n), Chart().m_nPeriod == Period::Month);
    return facts;
}

CBaseDraw* CRotula2View::CurrentChart() const { return &m_doc.Chart(); }

CBaseDraw& CRotula2View::Chart() const { return m_doc.Chart(); }

Size CRotula2View::CanvasSize() const { return Chart().m_szCanvas; }

void CRotula2View::ShowContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Right_Button_Down"));
    QAction* properties = menu.addAction(tr("图表属性..."));
    if (menu.exec(globalPos) == properties)
        emit propertiesRequested();
}

void CRotula2View::InvalidateChart()
{
    if (m_frames.HasRecord())
        viewport()->update(m_frames.Record(Chart(), ShownView()));
    else
        viewport()->update();
}

void CRotula2View::ShowHandCursor()
{
    viewport()->setCursor(Qt::PointingHandCursor);
    m_bHandRequested = true;
}

bool CRotula2View::EditComment(Comments& note) { return CCommentsDlg::Edit(note, this); }

void CRotula2View::drawContents(QPainter& painter, double scale)
{
    if (m_frames.HasRecord()) {
        m_frames.Paint(painter, Chart(), ShownView(), paintRegion());
    } else {
        CPainterSurface dc(painter, scale);
        PaintChart(Chart(), dc);
    }
    if (!m_bLeftHeld)
        m_frames.Clear(); // the drag's last frame is painted
    // The marks lie over the chart, within the frame's region when there is one.
    CPainterSurface dc(painter, scale);
    m_doc.DrawMarks(dc);
    emit statusChanged(); // a chart shown for the first time has only now its cells
}

// A press that makes a pivot starts no drag; any other goes to the chart
// with the frame's colour and line number.
void CRotula2View::mousePressEvent(QMouseEvent* event)
{
    const Point pt = toChart(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        if (!m_doc.PressMakesPivot()) {
            m_bLeftHeld = true;
            StartFrames();
        }
        m_doc.LeftPress(pt, m_crPalette, m_nLineNumber);
    } else if (event->button() == Qt::RightButton) {
        if (m_doc.RightPress(pt))
            InvalidateChart();
        else
            ShowContextMenu(event->globalPosition().toPoint());
    }
}

// The hand cursor lasts until a move over which no chart asks for it.
void CRotula2View::mouseMoveEvent(QMouseEvent* event)
{
    m_bHandRequested = false;
    m_doc.PointerMove(toChart(event->position().toPoint()));
    if (!m_bHandRequested)
        viewport()->unsetCursor();
    m_pointer = event->position().toPoint();
    emit statusChanged();
}

bool CRotula2View::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        m_pointer.reset();
        emit statusChanged();
    }
    return CZoomView::viewportEvent(event);
}

void CRotula2View::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_bLeftHeld = false;
    m_doc.LeftRelease(toChart(event->position().toPoint()));
    if (m_bAreaStale)
        UpdateChartArea();
}

void CRotula2View::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_doc.DoubleClick(toChart(event->position().toPoint()));
}

// The view's zoom is clamped to its range, and the chart then holds what is
// shown; a drag begun on the chart shown before ends there.
void CRotula2View::ChartBecameCurrent()
{
    m_frames.Clear();
    setZoom(Chart().m_fZoom);
    GiveZoomToChart();
    InvalidateChart();
}

// The labels' size follows the zoom, and the picture's reach with them.
void CRotula2View::GiveZoomToChart()
{
    Chart().m_fZoom = zoom();
    UpdateChartArea();
}

// A chart of many rings gets the canvas its cells need, the others the view's.
void CRotula2View::UpdateChartArea()
{
    if (m_szCanvas.cx <= 0)
        return; // before the initial update
    const int side = CanvasFit::SmallestCanvas(Chart(), m_szCanvas.cx, CanvasFit::kMaxCanvas, kChartMargin)
                         .value_or(m_szCanvas.cx);
    CanvasFit::SetCanvas(Chart(), side, kChartMargin);
    m_doc.UpdateMarks(); // their rows hold the cells' places on the canvas
    setChartArea(PictureRegion(Chart(), CanvasSize(), scale()));
}

void CRotula2View::ChartChanged()
{
    m_bAreaStale = m_bLeftHeld;
    if (!m_bLeftHeld)
        UpdateChartArea();
}

FrameView CRotula2View::ShownView() const { return {scale(), toWindow({0, 0}), viewport()->size()}; }

void CRotula2View::StartFrames()
{
    const bool pending = m_frames.HasRecord();
    const QRegion changed = m_frames.Record(Chart(), ShownView());
    if (pending)
        viewport()->update(changed);
}
