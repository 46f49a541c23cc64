#include "ChartDocument.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"

#include <QCoreApplication>
#include <QFile>

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

CChartDocument::CChartDocument(QObject* parent)
    : QObject(parent)
    , m_history([this](int kind, const CChartState& state) { ApplyStep(kind, state); })
{
    BecameCurrent();
    MarkSaved();
}

CChartDocument::~CChartDocument() = default;

void CChartDocument::SetHost(CChartHost* host)
{
    m_pHost = host;
    Chart().m_pView = host;
}

void CChartDocument::SetViewGeometry(Size canvas, Rect chartRect)
{
    m_charts.SetViewGeometry(canvas, chartRect);
    m_charts.New();
    BecameCurrent();
    m_history.Clear();
    MarkSaved();
    emit undoChanged();
}

const ChartKind& CChartDocument::Kind() const { return *FindChartKind(m_charts.Kind()); }

QString CChartDocument::Path() const { return QFile::decodeName(m_charts.Path().c_str()); }

// A fresh chart set starts with nothing drawn over it: the planet ring goes
// off, keeping its moment for the next time it is turned on.
void CChartDocument::New()
{
    m_planets.TurnOff();
    m_charts.New();
    BecameCurrent();
    m_history.Clear();
    MarkSaved();
    emit planetsChanged();
    emit undoChanged();
    emit fileChanged(QString());
}

Result<void> CChartDocument::Open(const QString& path)
{
    const Result<void> opened = m_charts.Open(LocalPath(path));
    if (!opened.Ok())
        return opened;
    BecameCurrent();
    m_history.Clear();
    MarkSaved();
    emit undoChanged();
    emit fileChanged(path);
    return opened;
}

Result<void> CChartDocument::Save(const QString& path)
{
    const Result<void> saved = m_charts.Save(LocalPath(path));
    if (saved.Ok()) {
        MarkSaved();
        emit fileChanged(path);
    }
    return saved;
}

// A kind shown only to look at it is no unsaved work: when nothing was
// unsaved before, the set as it is shown counts as saved.
void CChartDocument::SwitchKind(int kind)
{
    if (kind == m_charts.Kind())
        return;
    UpdateModified();
    const bool wasModified = m_bModified;
    AfterStep(m_history.Commit(m_charts));
    StopMouseDrag();
    m_charts.SwitchKind(kind);
    BecameCurrent();
    if (!wasModified)
        MarkSaved();
}

void CChartDocument::FlipSwitch(DisplaySwitch which)
{
    Recorded(QCoreApplication::translate("Commands", DisplaySwitches::Text(which)),
             [&] { return DisplaySwitches::Flip(Chart(), which); });
}

// The period is no stored data: no step of the history.
void CChartDocument::ChoosePeriod(Period period)
{
    if (DisplaySwitches::ChoosePeriod(Chart(), period))
        emit pictureChanged();
    emit switchesChanged();
    UpdateMarks();
}

void CChartDocument::ChooseDecimals(int digits)
{
    Recorded(tr("小数位数"),
             [&] { return DisplaySwitches::ChooseDecimals(Chart(), digits); });
}

void CChartDocument::ChooseTool(MouseTool tool)
{
    DisplaySwitches::ChooseTool(Chart(), tool);
    emit switchesChanged();
}

void CChartDocument::ClearDrawings()
{
    Recorded(tr("清除所有画线"), [this] {
        Chart().ClearAnnotations();
        return true;
    });
    ClearMarks();
}

void CChartDocument::PlaceNote()
{
    Chart().m_bPlaceComment = 1;
    emit switchesChanged();
}

// A confirmed dialog repaints the chart itself.
void CChartDocument::EditChart(const QString& name, const std::function<bool(CBaseDraw&)>& edit)
{
    Recorded(name, [&] {
        edit(Chart());
        return false;
    });
}

void CChartDocument::Undo()
{
    m_history.Undo(m_charts);
    AfterUndo();
}

void CChartDocument::Redo()
{
    m_history.Redo(m_charts);
    AfterUndo();
}

// The step's chart may have any of its parts changed: everything that shows
// a chart follows.
void CChartDocument::AfterUndo()
{
    emit pictureChanged();
    emit parametersChanged();
    emit switchesChanged();
    emit annotationsChanged();
    emit undoChanged();
    UpdateMarks();
    UpdateModified();
}

bool CChartDocument::TargetToolOn() const
{
    return Chart().m_nTool == MouseTool::Target && HasAngles(Kind());
}

bool CChartDocument::PressMakesPivot() const { return TargetToolOn() && !Chart().m_bPlaceComment; }

// A pivot is no stored data: no step of the history.
void CChartDocument::LeftPress(Point pt, Color color, int lineNumber)
{
    CBaseDraw& chart = Chart();
    if (PressMakesPivot()) {
        if (const int n = CellAt(chart, Kind(), pt)) {
            m_marks.SetPivot(n);
            MarksEdited();
            if (const std::optional<std::size_t> swing = m_swingMarks.SwingAtCell(chart, Kind(), n))
                emit swingPressed(static_cast<int>(*swing));
        }
        return;
    }
    chart.m_crLineColor = color;
    chart.m_nLineWidth = lineNumber;
    const CChartState::Parts committed = m_history.Begin(m_charts);
    chart.OnLButtonDown(pt.x, pt.y);
    AfterMouse(committed | m_history.End(m_charts, CChartHistory::Gesture::Left));
}

void CChartDocument::PointerMove(Point pt) { Chart().OnMouseMove(pt.x, pt.y); }

void CChartDocument::LeftRelease(Point pt)
{
    Chart().OnLButtonUp(pt.x, pt.y);
    emit pictureChanged();
    AfterMouse(m_history.End(m_charts, CChartHistory::Gesture::Left));
}

void CChartDocument::DoubleClick(Point pt)
{
    const CChartState::Parts committed = m_history.Begin(m_charts);
    Chart().OnLButtonDblClk(pt.x, pt.y);
    AfterMouse(committed | m_history.End(m_charts, CChartHistory::Gesture::DoubleClick));
}

bool CChartDocument::RightPress(Point pt)
{
    const CChartState::Parts committed = m_history.Begin(m_charts);
    const bool removed = Chart().OnRButtonDown(pt.x, pt.y);
    AfterMouse(committed | (removed ? m_history.End(m_charts, CChartHistory::Gesture::Right) : CChartState::Parts()));
    return removed;
}

void CChartDocument::AfterMouse(CChartState::Parts parts)
{
    AfterStep(parts);
    UpdateModified();
}

Result<int> CChartDocument::Find(const CellQuery& query)
{
    const Result<int> found = FindCell(Chart(), Kind(), query);
    if (!found.Ok())
        return found;
    m_marks.SetFound(found.Value());
    if (TargetToolOn())
        m_marks.SetPivot(found.Value());
    MarksEdited();
    return found;
}

void CChartDocument::SetTargetAngles(std::vector<double> angles)
{
    m_marks.SetAngles(std::move(angles));
    MarksEdited();
}

void CChartDocument::SetTargetTurns(int turns)
{
    m_marks.SetTurns(turns);
    MarksEdited();
}

void CChartDocument::ClearMarks()
{
    m_marks.Clear();
    MarksEdited();
}

Result<int> CChartDocument::MakePivot(const CellQuery& query)
{
    if (!HasAngles(Kind()))
        return Failure{tr("本图没有角度，无法计算目标").toStdString()};
    const Result<int> found = FindCell(Chart(), Kind(), query);
    if (!found.Ok())
        return found;
    m_marks.SetFound(found.Value());
    m_marks.SetPivot(found.Value());
    MarksEdited();
    return found;
}

void CChartDocument::SetSwings(std::vector<Swing> swings)
{
    m_swingMarks.SetSwings(std::move(swings));
    emit pictureChanged();
}

void CChartDocument::ShowSwingDateCells(bool show)
{
    m_swingMarks.ShowDateCells(show);
    emit pictureChanged();
}

void CChartDocument::SetDateTicks(std::vector<DateTick> ticks)
{
    m_dateTicks.SetTicks(std::move(ticks));
    emit pictureChanged();
}

void CChartDocument::DrawMarks(CDrawSurface& dc) const
{
    m_swingMarks.Draw(Chart(), Kind(), dc);
    m_dateTicks.Draw(Chart(), dc);
    m_marks.Draw(Chart(), dc);
}

void CChartDocument::StartAt(double price, std::int64_t start)
{
    Recorded(tr("以此为起点"), [&] {
        Chart().m_fStartPrice = static_cast<float>(price);
        Chart().m_tStartTime = start;
        Chart().UpdateNaturalDecimals();
        return true;
    });
}

void CChartDocument::SetPriceStep(double step)
{
    Recorded(tr("价格步长"), [&] {
        Chart().m_fPriceStep = static_cast<float>(step);
        Chart().UpdateNaturalDecimals();
        return true;
    });
}

void CChartDocument::MarksEdited()
{
    UpdateMarks();
    emit pictureChanged();
}

void CChartDocument::UpdateMarks()
{
    if (m_marks.Update(Chart(), Kind()))
        emit marksChanged();
}

AstrologyReport::Outcome CChartDocument::StartPlanets(const CityList& cities, const Ephemeris& ephemeris, bool on,
                                                      const PlanetMoment& moment, const std::string& nowText)
{
    m_planets.SetCities(cities.cities, cities.selected);
    m_planets.SetEphemeris(ephemeris);
    m_planets.SetMoment(moment, nowText);
    return PlanetsChanged(on ? m_planets.TurnOn(nowText) : AstrologyReport::Outcome {});
}

AstrologyReport::Outcome CChartDocument::FlipPlanets(const std::string& nowText)
{
    if (!m_planets.IsOn())
        return PlanetsChanged(m_planets.TurnOn(nowText));
    m_planets.TurnOff();
    return PlanetsChanged({});
}

// A moment chosen as "now" is the time of the choice.
AstrologyReport::Outcome CChartDocument::SetPlanetMoment(const PlanetMoment& moment, const std::string& nowText)
{
    return PlanetsChanged(m_planets.SetMoment(moment, nowText));
}

AstrologyReport::Outcome CChartDocument::PlanetsChanged(AstrologyReport::Outcome outcome)
{
    GivePlanetsToChart(); // an export before the next paint shows the ring as it now is
    emit planetsChanged();
    emit pictureChanged();
    return outcome;
}

// The ring as it stands, for the current chart's next paint or export.
void CChartDocument::GivePlanetsToChart()
{
    Chart().m_Planets = m_planets.Sky();
    Chart().m_PlanetCaption = m_planets.Caption();
}

void CChartDocument::Recorded(const QString& name, const std::function<bool()>& change)
{
    AfterStep(m_history.Begin(m_charts));
    const bool repaint = change();
    const CChartState::Parts parts = m_history.End(m_charts, name);
    if (repaint)
        emit pictureChanged();
    AfterStep(parts);
    UpdateModified();
}

void CChartDocument::AfterStep(CChartState::Parts parts)
{
    if (parts.none())
        return;
    using Part = CChartState::Part;
    if (parts[Part::Properties])
        emit parametersChanged();
    if (parts[Part::Display])
        emit switchesChanged();
    if ((parts & ~CChartState::Parts().set(Part::Properties).set(Part::Display)).any())
        emit annotationsChanged();
    emit undoChanged();
    UpdateMarks();
}

// A step on a chart not shown shows it first: the user sees what is undone.
void CChartDocument::ApplyStep(int kind, const CChartState& state)
{
    if (kind != m_charts.Kind()) {
        StopMouseDrag();
        m_charts.SwitchKind(kind);
        BecameCurrent();
    }
    state.Restore(Chart());
}

void CChartDocument::BecameCurrent()
{
    CBaseDraw& chart = Chart();
    chart.m_pView = m_pHost;
    DisplaySwitches::Normalise(chart);
    GivePlanetsToChart();
    m_marks.Clear(); // they name cells of the chart shown before
    UpdateMarks();
    emit kindChanged();
}

// A drag does not go on on a chart that is no longer shown.
void CChartDocument::StopMouseDrag()
{
    Chart().EndOverlayDrag();
    Chart().m_bDrawingLine = 0;
}

void CChartDocument::UpdateModified()
{
    const bool modified = m_unsaved.Differs(m_charts);
    if (modified == m_bModified)
        return;
    m_bModified = modified;
    emit modifiedChanged(modified);
}

// Showing a chart is no change: the values its layout settles (a new
// chart's overlay radii) are settled before the set is taken as saved.
void CChartDocument::MarkSaved()
{
    Chart().UpdateLayout();
    m_unsaved.MarkSaved(m_charts);
    if (m_bModified) {
        m_bModified = false;
        emit modifiedChanged(false);
    }
}
