#include "Rotula2View.h"

#include "AstroDateText.h"
#include "AstrologyReport.h"
#include "BaseDraw.h"
#include "CanvasFit.h"
#include "CellFacts.h"
#include "CellTable.h"
#include "ChartExport.h"
#include "ChartKinds.h"
#include "ChartPrinter.h"
#include "ChartPropertyDialog.h"
#include "ChartSet.h"
#include "CommentsDialog.h"
#include "FileSettings.h"
#include "FindCellDialog.h"
#include "PainterSurface.h"
#include "PictureRegion.h"
#include "PlainFile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <ctime>

namespace {

// The zoom levels of the chart window.
const std::vector<float> kZoomLevels = {0.2f, 0.25f, 0.33f, 0.4f, 0.5f, 0.618f, 0.75f, 0.8f,
                                        1.0f, 1.1f,  1.25f, 1.4f, 1.5f, 1.65f,  1.8f,  2.0f,
                                        2.2f, 2.5f,  2.8f,  3.0f, 3.3f, 3.6f,   4.0f,  8.0f};

// Canvas side = the larger screen side less this; charts keep this margin inside it.
constexpr int kCanvasShrink = 30;
constexpr int kChartMargin = 50;

// 256 MiB of pixels at most on the clipboard, which may copy them again.
constexpr int kMaxClipboardSide = 8192;

// A found cell closer than this to the window's edge is scrolled to its centre.
constexpr int kVisibleMargin = 40;

const char* const kFileFilter = "Rotula 2 (*.rtl)";
const char* const kFileSuffix = "rtl";

// The local time now, as the planet ring's moment takes it.
std::string NowText() { return AstroDateText::Format(AstroDateText::NowLocal()); }

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The extension a name filter such as "PNG (*.png)" gives.
QString FilterSuffix(const QString& filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}

} // namespace

CRotula2View::CRotula2View(QWidget* parent)
    : CZoomView(parent)
    , m_charts(std::make_unique<CChartSet>())
    , m_printer(std::make_unique<CChartPrinter>(this))
    , m_history([this](int kind, const CChartState& state) { ApplyStep(kind, state); })
{
    // Moves without a button pressed show the hand over the handles.
    viewport()->setMouseTracking(true);
    connect(this, &CZoomView::zoomChanged, this, &CRotula2View::GiveZoomToChart);
    connect(this, &CZoomView::zoomChanged, this, &CRotula2View::stateChanged);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QAbstractSlider::valueChanged, this, &CRotula2View::statusChanged);
    ChartBecameCurrent();
    MarkSaved();
}

CRotula2View::~CRotula2View() = default;

void CRotula2View::InitialUpdate(Size screen)
{
    setZoomLevels(kZoomLevels);
    const int side = std::max(screen.cx, screen.cy) - kCanvasShrink;
    m_szCanvas = {side, side};
    m_rcChart = {kChartMargin, kChartMargin, side - kChartMargin, side - kChartMargin};
    m_charts->SetViewGeometry(m_szCanvas, m_rcChart);
    m_charts->New();
    ChartBecameCurrent();
    m_history.Clear();
    MarkSaved();
    emit stateChanged();
}

void CRotula2View::SetPaletteColor(Color color) { m_crPalette = color; }

void CRotula2View::SetLineNumber(int number) { m_nLineNumber = std::clamp(number, 1, 4); }

bool CRotula2View::IsModified() const { return m_bModified; }

bool CRotula2View::MaybeSave()
{
    UpdateModified();
    if (!m_bModified)
        return true;
    switch (AskSaveChanges()) {
    case QMessageBox::Save: return SaveDocument();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

bool CRotula2View::OpenFile(const QString& path)
{
    const Result<void> opened = m_charts->Open(LocalPath(path));
    if (!opened.Ok()) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(opened.Message()));
        return false;
    }
    ChartBecameCurrent();
    m_history.Clear();
    MarkSaved();
    emit stateChanged();
    UsedFile(path);
    return true;
}

bool CRotula2View::SaveFile(const QString& path)
{
    const Result<void> saved = m_charts->Save(LocalPath(path));
    if (!saved.Ok()) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(saved.Message()));
        return false;
    }
    // Saved, perhaps with something the user should know about the file.
    if (!saved.Message().empty())
        ShowMessage(QMessageBox::Information, QString::fromStdString(saved.Message()));
    MarkSaved();
    emit stateChanged();
    UsedFile(path);
    return true;
}

// A file opened in any way or saved names the folder the next dialog starts in.
void CRotula2View::UsedFile(const QString& path)
{
    FileSettings::RememberFolderOf(path);
    emit fileUsed(QFileInfo(path).absoluteFilePath());
}

PointerStatus CRotula2View::Status()
{
    CBaseDraw& chart = Chart();
    const Point pt = m_pointer ? toChart(*m_pointer) : Point {};
    const int n = m_pointer ? CellAt(chart, *FindChartKind(m_charts->Kind()), pt) : 0;
    std::string body;
    for (int i = 0; m_pointer && m_planets.IsOn() && i < kBodyCount && body.empty(); ++i)
        if (chart.m_rcPlanetMarks[i].Contains(pt))
            body = AstrologyReport::DescribeBody(i, (*m_planets.Sky())[i]);
    return DescribePointer(StatusFacts(n), zoom(), body, StatusFacts(m_marks.Found()));
}

// The status bar names a cell's day with its year, wherever its label stands.
std::optional<CellFacts> CRotula2View::StatusFacts(int n)
{
    if (n == 0)
        return std::nullopt;
    CellFacts facts = FactsOfCell(Chart(), *FindChartKind(m_charts->Kind()), n);
    facts.date = FullDate(Chart().CellDay(n), Chart().m_nPeriod == Period::Month);
    return facts;
}

CChartSet& CRotula2View::Charts() { return *m_charts; }

CBaseDraw* CRotula2View::CurrentChart() const { return m_charts->Current(); }

QString CRotula2View::AskOpenPath()
{
    QFileDialog dialog(this, QString(), FileSettings::DialogFolder(), QString::fromLatin1(kFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kFileSuffix);
    return AskPath(dialog);
}

QString CRotula2View::AskSavePath()
{
    QFileDialog dialog(this, QString(), FileSettings::DialogFolder(), QString::fromLatin1(kFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kFileSuffix);
    if (!m_charts->Path().empty())
        dialog.selectFile(QFile::decodeName(m_charts->Path().c_str()));
    return AskPath(dialog);
}

// The folder of a chosen file is where the next dialog starts.
QString CRotula2View::AskPath(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().front();
    FileSettings::RememberFolderOf(path);
    return path;
}

QString CRotula2View::AskExportPath(const QString& title, const QStringList& filters)
{
    QFileDialog dialog(this, title, FileSettings::DialogFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    return AskPath(dialog);
}

QMessageBox::StandardButton CRotula2View::AskSaveChanges()
{
    return QMessageBox::question(this, QCoreApplication::applicationName(), tr("图表已修改。\n是否保存修改？"),
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

std::optional<CellQuery> CRotula2View::AskFindQuery() { return CFindCellDialog::Ask(this); }

void CRotula2View::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, this);
    box.exec();
}

void CRotula2View::ShowContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Right_Button_Down"));
    QAction* properties = menu.addAction(tr("图表属性..."));
    if (menu.exec(globalPos) == properties)
        EditProperties();
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

bool CRotula2View::EditChartProperties(CBaseDraw& chart) { return CChartProperty::Edit(chart, this); }

void CRotula2View::drawContents(QPainter& painter, double scale)
{
    GivePlanetsToChart();
    if (m_frames.HasRecord()) {
        m_frames.Paint(painter, Chart(), ShownView(), paintRegion());
    } else {
        CPainterSurface dc(painter, scale);
        PaintChart(Chart(), dc);
    }
    if (!m_bLeftHeld)
        m_frames.Clear(); // the drag's last frame is painted
    // The rows follow the layout and the parameters this paint used; the
    // marks lie over the chart, within the frame's region when there is one.
    if (m_marks.Update(Chart(), *FindChartKind(m_charts->Kind())))
        emit targetsChanged();
    CPainterSurface dc(painter, scale);
    m_marks.Draw(Chart(), dc);
    emit statusChanged(); // a chart shown for the first time has only now its cells
}

// A left press first hands the chart the frame's colour and line number.
void CRotula2View::mousePressEvent(QMouseEvent* event)
{
    CBaseDraw& chart = Chart();
    const Point pt = toChart(event->position().toPoint());
    if (event->button() == Qt::LeftButton && TargetToolOn() && !chart.m_bPlaceComment) {
        // A pivot is no stored data: no step of the history.
        if (const int n = CellAt(chart, *FindChartKind(m_charts->Kind()), pt)) {
            m_marks.SetPivot(n);
            MarksChanged();
        }
    } else if (event->button() == Qt::LeftButton) {
        chart.m_crLineColor = m_crPalette;
        chart.m_nLineWidth = m_nLineNumber;
        m_bLeftHeld = true;
        StartFrames();
        const bool committed = m_history.Begin(*m_charts);
        chart.OnLButtonDown(pt.x, pt.y);
        AfterChartChange(m_history.End(*m_charts, CChartHistory::Gesture::Left) || committed);
    } else if (event->button() == Qt::RightButton) {
        const bool committed = m_history.Begin(*m_charts);
        if (chart.OnRButtonDown(pt.x, pt.y)) {
            InvalidateChart();
            AfterChartChange(m_history.End(*m_charts, CChartHistory::Gesture::Right) || committed);
        } else {
            AfterChartChange(committed);
            ShowContextMenu(event->globalPosition().toPoint());
        }
    }
}

// The hand cursor lasts until a move over which no chart asks for it.
void CRotula2View::mouseMoveEvent(QMouseEvent* event)
{
    const Point pt = toChart(event->position().toPoint());
    m_bHandRequested = false;
    Chart().OnMouseMove(pt.x, pt.y);
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
    const Point pt = toChart(event->position().toPoint());
    Chart().OnLButtonUp(pt.x, pt.y);
    InvalidateChart();
    m_bLeftHeld = false;
    AfterChartChange(m_history.End(*m_charts, CChartHistory::Gesture::Left));
}

void CRotula2View::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Point pt = toChart(event->position().toPoint());
    const bool committed = m_history.Begin(*m_charts);
    Chart().OnLButtonDblClk(pt.x, pt.y);
    AfterChartChange(m_history.End(*m_charts, CChartHistory::Gesture::DoubleClick) || committed);
}

CBaseDraw& CRotula2View::Chart() const { return *m_charts->Current(); }

Size CRotula2View::CanvasSize() const { return Chart().m_szCanvas; }

// A kind shown only to look at it is no unsaved work: when nothing was
// unsaved before, the set as it is shown counts as saved.
void CRotula2View::SwitchKind(int kind)
{
    if (kind != m_charts->Kind()) {
        UpdateModified();
        const bool wasModified = m_bModified;
        m_history.Commit(*m_charts);
        StopMouseDrag();
        m_charts->SwitchKind(kind);
        ChartBecameCurrent();
        if (!wasModified)
            MarkSaved();
    }
    AfterCommand(false);
}

void CRotula2View::FlipSwitch(DisplaySwitch which)
{
    RecordedCommand(QCoreApplication::translate("Commands", DisplaySwitches::Text(which)),
                    [&] { return DisplaySwitches::Flip(Chart(), which); });
}

void CRotula2View::ChoosePeriod(int period) { AfterCommand(DisplaySwitches::ChoosePeriod(Chart(), period)); }

void CRotula2View::ChooseDecimals(int digits)
{
    RecordedCommand(tr("小数位数"), [&] { return DisplaySwitches::ChooseDecimals(Chart(), digits); });
}

void CRotula2View::ChooseTool(MouseTool tool)
{
    m_bTargetTool = false;
    DisplaySwitches::ChooseTool(Chart(), tool);
    AfterCommand(false);
}

void CRotula2View::ClearDrawings()
{
    RecordedCommand(tr("清除所有画线"), [this] {
        CBaseDraw& chart = Chart();
        chart.m_FillCells.clear();
        chart.m_TangentCells.clear();
        chart.m_Lines.clear();
        chart.m_Comments.clear();
        return true;
    });
    ClearMarks();
}

// A confirmed dialog repaints the chart itself.
void CRotula2View::EditProperties()
{
    RecordedCommand(tr("图表属性"), [this] {
        EditChartProperties(Chart());
        return false;
    });
}

void CRotula2View::PlaceNote()
{
    Chart().m_bPlaceComment = 1;
    AfterCommand(false);
}

void CRotula2View::Find()
{
    if (const std::optional<CellQuery> query = AskFindQuery())
        ShowCell(*query);
}

bool CRotula2View::ShowCell(const CellQuery& query)
{
    CBaseDraw& chart = Chart();
    SettlePaintedValues(chart); // lays out what the last change left unpainted
    const Result<int> found = FindCell(chart, *FindChartKind(m_charts->Kind()), query);
    if (!found.Ok()) {
        ShowMessage(QMessageBox::Information, QString::fromStdString(found.Message()));
        return false;
    }
    m_marks.SetFound(found.Value());
    if (TargetToolOn())
        m_marks.SetPivot(found.Value());
    ensureVisible(chart.GetCellCenter(found.Value()), kVisibleMargin);
    MarksChanged();
    return true;
}

void CRotula2View::ChooseTargetTool()
{
    m_bTargetTool = !TargetToolOn();
    AfterCommand(false);
}

bool CRotula2View::TargetToolOn() const { return m_bTargetTool && HasAngles(*FindChartKind(m_charts->Kind())); }

void CRotula2View::SetTargetAngles(std::vector<double> angles)
{
    m_marks.SetAngles(std::move(angles));
    MarksChanged();
}

void CRotula2View::SetTargetTurns(int turns)
{
    m_marks.SetTurns(turns);
    MarksChanged();
}

void CRotula2View::ClearMarks()
{
    m_marks.Clear();
    MarksChanged();
}

void CRotula2View::MarksChanged()
{
    if (m_marks.Update(Chart(), *FindChartKind(m_charts->Kind())))
        emit targetsChanged();
    InvalidateChart();
}

void CRotula2View::StartPlanets(const CityList& cities, const Ephemeris& ephemeris)
{
    m_planets.SetCities(cities.cities, cities.selected);
    m_planets.SetEphemeris(ephemeris);
    const FileSettings::PlanetSettings kept = FileSettings::LoadPlanets();
    const std::string now = kept.now.empty() ? NowText() : kept.now;
    m_planets.SetMoment(kept.moment, now);
    PlanetsChanged(kept.on ? m_planets.TurnOn(now) : AstrologyReport::Outcome {});
}

void CRotula2View::FlipPlanets()
{
    if (m_planets.IsOn()) {
        m_planets.TurnOff();
        PlanetsChanged({});
    } else {
        PlanetsChanged(m_planets.TurnOn(NowText()));
    }
}

// A moment chosen as "now" is the time of the choice.
void CRotula2View::SetPlanetMoment(const PlanetMoment& moment)
{
    PlanetsChanged(m_planets.SetMoment(moment, NowText()));
}

void CRotula2View::PlanetsChanged(const AstrologyReport::Outcome& outcome)
{
    StorePlanets();
    GivePlanetsToChart(); // an export before the next paint shows the ring as it now is
    if (!outcome.Ok())
        ShowMessage(outcome.information ? QMessageBox::Information : QMessageBox::Warning,
                    QString::fromStdString(outcome.message));
    AfterCommand(true);
}

void CRotula2View::StorePlanets() const
{
    FileSettings::StorePlanets({m_planets.IsOn(), m_planets.Moment(), m_planets.NowText()});
}

void CRotula2View::GivePlanetsToChart()
{
    Chart().m_Planets = m_planets.Sky();
    Chart().m_PlanetCaption = m_planets.Caption();
}

// A fresh chart set starts with nothing drawn over it: the planet ring goes
// off, keeping its moment for the next time it is turned on.
void CRotula2View::NewDocument()
{
    if (!MaybeSave())
        return;
    m_planets.TurnOff();
    StorePlanets();
    m_charts->New();
    ChartBecameCurrent();
    centreView(); // not where the last chart was scrolled to
    m_history.Clear();
    MarkSaved();
    emit stateChanged();
}

void CRotula2View::OpenDocument()
{
    if (!MaybeSave())
        return;
    const QString path = AskOpenPath();
    if (!path.isEmpty())
        OpenFile(path);
}

void CRotula2View::Undo()
{
    m_history.Undo(*m_charts);
    AfterCommand(true);
}

void CRotula2View::Redo()
{
    m_history.Redo(*m_charts);
    AfterCommand(true);
}

bool CRotula2View::OpenDocumentAt(const QString& path) { return MaybeSave() && OpenFile(path); }

bool CRotula2View::SaveDocument()
{
    if (m_charts->Path().empty())
        return SaveDocumentAs();
    return SaveFile(QFile::decodeName(m_charts->Path().c_str()));
}

bool CRotula2View::SaveDocumentAs()
{
    const QString path = AskSavePath();
    return !path.isEmpty() && SaveFile(path);
}

void CRotula2View::PrintChart()
{
    if (!m_printer->Print(Chart(), CanvasSize()))
        ShowMessage(QMessageBox::Warning, tr("无法打印图表。"));
}

void CRotula2View::PreviewChart() { m_printer->Preview(Chart(), CanvasSize()); }

void CRotula2View::ExportPicture()
{
    const QString path = AskExportPath(tr("导出图片"), {QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"),
                                                        QStringLiteral("PDF (*.pdf)")});
    std::string error;
    if (!path.isEmpty() && !ExportChart(Chart(), LocalPath(path), chartArea(), Chart().m_fZoom, error))
        ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
}

void CRotula2View::ExportCellTable()
{
    ExportText(tr("导出单元格表"), QStringLiteral("CSV (*.csv)"),
               [this] { return CellTable::Csv(Chart(), *FindChartKind(m_charts->Kind()), CellTable::Headers::Interface); });
}

void CRotula2View::ExportTargetTable()
{
    if (const std::optional<std::string> table = m_marks.Csv())
        ExportText(tr("导出目标表"), QStringLiteral("CSV (*.csv)"), [&] { return *table; });
}

void CRotula2View::ExportTargetCalendar()
{
    const std::optional<std::string> calendar = m_marks.Ics(std::time(nullptr));
    if (!calendar) {
        ShowMessage(QMessageBox::Information, tr("没有带日期的目标，无日历可导出。"));
        return;
    }
    ExportText(tr("导出日历"), QStringLiteral("iCalendar (*.ics)"), [&] { return *calendar; });
}

void CRotula2View::ExportText(const QString& title, const QString& filter, const std::function<std::string()>& text)
{
    const QString path = AskExportPath(title, {filter});
    if (path.isEmpty())
        return;
    const Result<void> written = PlainFile::Replace(LocalPath(path), text());
    if (!written.Ok())
        ShowMessage(QMessageBox::Warning, QString::fromStdString(written.Message()));
}

void CRotula2View::CopyChart()
{
    std::string error;
    const QImage image = ChartImage(Chart(), chartArea(), Chart().m_fZoom, kMaxClipboardSide, error);
    if (image.isNull())
        ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
    else
        QGuiApplication::clipboard()->setImage(image);
}

// The view's zoom is clamped to its range, and the chart then holds what is shown.
void CRotula2View::ChartBecameCurrent()
{
    CBaseDraw& chart = Chart();
    chart.m_pView = this;
    DisplaySwitches::Normalise(chart);
    setZoom(chart.m_fZoom);
    GiveZoomToChart();
    ClearMarks(); // they name cells of the chart shown before
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
    setChartArea(PictureRegion(Chart(), CanvasSize(), scale()));
}

void CRotula2View::AfterCommand(bool repaint)
{
    if (repaint)
        InvalidateChart();
    UpdateChartArea();
    UpdateModified();
    emit stateChanged();
}

void CRotula2View::AfterChartChange(bool stepped)
{
    if (!m_bLeftHeld)
        UpdateChartArea(); // not while a drag moves what it reaches
    if (UpdateModified() || stepped)
        emit stateChanged();
}

void CRotula2View::RecordedCommand(const QString& name, const std::function<bool()>& change)
{
    m_history.Begin(*m_charts);
    const bool repaint = change();
    m_history.End(*m_charts, name);
    AfterCommand(repaint);
}

// A step on a chart not shown shows it first: the user sees what is undone.
void CRotula2View::ApplyStep(int kind, const CChartState& state)
{
    if (kind != m_charts->Kind()) {
        StopMouseDrag();
        m_charts->SwitchKind(kind);
        ChartBecameCurrent();
    }
    state.Restore(Chart());
    InvalidateChart();
}

// A drag does not go on on a chart that is no longer shown.
void CRotula2View::StopMouseDrag()
{
    Chart().EndOverlayDrag();
    Chart().m_bDrawingLine = 0;
    m_frames.Clear();
}

FrameView CRotula2View::ShownView() const { return {scale(), toWindow({0, 0}), viewport()->size()}; }

void CRotula2View::StartFrames()
{
    const bool pending = m_frames.HasRecord();
    const QRegion changed = m_frames.Record(Chart(), ShownView());
    if (pending)
        viewport()->update(changed);
}

bool CRotula2View::UpdateModified()
{
    const bool modified = m_unsaved.Differs(*m_charts);
    const bool changed = modified != m_bModified;
    m_bModified = modified;
    return changed;
}

// A chart's first paint settles values that its file stores (the overlay
// radii of a new chart); a scratch paint settles them before the set is
// taken as saved, so that showing a chart is not taken for a change.
void CRotula2View::MarkSaved()
{
    SettlePaintedValues(Chart());
    m_unsaved.MarkSaved(*m_charts);
    m_bModified = false;
}
