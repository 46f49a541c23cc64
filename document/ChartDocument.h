#pragma once

#include "ChartHistory.h"
#include "ChartSet.h"
#include "DisplaySwitches.h"
#include "PlanetSky.h"
#include "DateTicks.h"
#include "SwingMarks.h"
#include "TargetMarks.h"
#include "UnsavedWork.h"

#include <QObject>
#include <QString>

#include <functional>

class CChartHost;
struct CellQuery;

// The document of one window: the chart set with its file path, the undo
// history and whether the set holds unsaved work, and what is shown over the
// charts without being stored (the found cell, a pivot and its targets, the
// planet ring). Every change to a chart goes through it and is a step of the
// history when it changes stored data; its signals say what changed, so that
// the view, the toolbars and the panels each follow what they show.
class CChartDocument : public QObject {
    Q_OBJECT

public:
    explicit CChartDocument(QObject* parent = nullptr);
    ~CChartDocument() override;

    // Who repaints, shows the hand cursor and runs the note dialog for the
    // current chart.
    void SetHost(CChartHost* host);
    // The canvas and chart rectangle new and opened charts are given; then
    // a fresh set.
    void SetViewGeometry(Size canvas, Rect chartRect);

    CChartSet& Charts() { return m_charts; }
    const CChartSet& Charts() const { return m_charts; }
    CBaseDraw& Chart() const { return *m_charts.Current(); }
    const ChartKind& Kind() const;
    QString Path() const;
    const QUndoStack& UndoStack() const { return m_history.Stack(); }
    bool IsModified() const { return m_bModified; }

    // New, Open and Save; a failed open or save leaves the set as it was and
    // says why. A saved file may come with something the user should know.
    void New();
    Result<void> Open(const QString& path);
    Result<void> Save(const QString& path);

    // The edits of the current chart's display and data: each that changes
    // stored data is one step of the history named for what it did.
    void SwitchKind(int kind);
    void FlipSwitch(DisplaySwitch which);
    void ChoosePeriod(Period period);
    void ChooseDecimals(int digits);
    void ChooseTool(MouseTool tool);
    void ClearDrawings();
    // Arms the note tool: the next left press places a note.
    void PlaceNote();
    // An edit of the chart by a dialog, a step named name; edit returns
    // whether the user confirmed.
    void EditChart(const QString& name, const std::function<bool(CBaseDraw&)>& edit);
    void Undo();
    void Redo();

    // The mouse on the current chart, in chart coordinates. A left press
    // with the target tool makes the cell under it the pivot; otherwise it
    // reaches the chart with the palette's colour and line number. A right
    // press that removed nothing returns false.
    bool TargetToolOn() const;
    // Whether the next left press makes a pivot rather than reaching the
    // chart: the target tool is on and no note is armed.
    bool PressMakesPivot() const;
    void LeftPress(Point pt, Color color, int lineNumber);
    void PointerMove(Point pt);
    void LeftRelease(Point pt);
    void DoubleClick(Point pt);
    bool RightPress(Point pt);

    // The found cell, the pivot and its targets: never stored, no step of
    // the history. Find marks the cell a query names, and makes it the pivot
    // while the target tool is on.
    const CTargetMarks& Marks() const { return m_marks; }
    Result<int> Find(const CellQuery& query);
    void SetTargetAngles(std::vector<double> angles);
    void SetTargetTurns(int turns);
    void ClearMarks();
    // The rows follow a change of the chart's layout or parameters.
    void UpdateMarks();

    // Marks the cell query names and makes it the pivot whatever the tool:
    // a swing chosen in the market's panels. A kind without angles has no
    // targets and says so.
    Result<int> MakePivot(const CellQuery& query);

    // The market's swings over the charts: display state like the marks.
    const CSwingMarks& SwingMarks() const { return m_swingMarks; }
    void SetSwings(std::vector<Swing> swings);
    void ShowSwingDateCells(bool show);
    // Clusters' and events' days on the calendar ring: display state too.
    const CDateTicks& DateTicks() const { return m_dateTicks; }
    void SetDateTicks(std::vector<DateTick> ticks);
    // What the view and the window's exports draw over the chart: the swings,
    // the date ticks, then the found cell, the pivot and its targets.
    void DrawMarks(CDrawSurface& dc) const;

    // The current chart's cell 1 at price and at local midnight start, or
    // its price step: each one step of the history.
    void StartAt(double price, std::int64_t start);
    void SetPriceStep(double step);

    // The planet ring, the window's and not a chart's: its outcome says why
    // it stays off.
    const CPlanetSky& Planets() const { return m_planets; }
    AstrologyReport::Outcome StartPlanets(const CityList& cities, const Ephemeris& ephemeris, bool on,
                                          const PlanetMoment& moment, const std::string& nowText);
    AstrologyReport::Outcome FlipPlanets(const std::string& nowText);
    AstrologyReport::Outcome SetPlanetMoment(const PlanetMoment& moment, const std::string& nowText);

signals:
    // Another chart is current (a kind, New, Open, an undo on another kind).
    void kindChanged();
    // The current chart's rings, prices, dates or digits.
    void parametersChanged();
    // Its display switches, period, tool or an armed note.
    void switchesChanged();
    // Its marks, lines, notes, overlays or rings moved or edited.
    void annotationsChanged();
    // The found cell, the pivot or its targets' rows.
    void marksChanged();
    // A press of the target tool made the pivot on the ring of swing index
    // of the swing marks.
    void swingPressed(int index);
    // The planet ring went on or off, or shows another moment.
    void planetsChanged();
    // A command changed what the chart shows; mouse actions repaint through
    // the chart's host.
    void pictureChanged();
    // The steps of the history or their names.
    void undoChanged();
    // Opened or saved at path, or empty for a new set.
    void fileChanged(const QString& path);
    void modifiedChanged(bool modified);

private:
    // A change of stored data, one step named name; change returns whether
    // the picture changed.
    void Recorded(const QString& name, const std::function<bool()>& change);
    // After a mouse action: the signals of what a step changed.
    void AfterMouse(CChartState::Parts parts);
    void AfterStep(CChartState::Parts parts);
    void AfterUndo();
    // An undo or redo step: shows the chart of kind and sets state into it.
    void ApplyStep(int kind, const CChartState& state);
    void BecameCurrent();
    // The marks changed: their rows are recomputed and the picture shows them.
    void MarksEdited();
    void StopMouseDrag();
    void GivePlanetsToChart();
    AstrologyReport::Outcome PlanetsChanged(AstrologyReport::Outcome outcome);
    void UpdateModified();
    void MarkSaved();

    CChartSet m_charts;
    CChartHistory m_history;
    CUnsavedWork m_unsaved;
    bool m_bModified = false;
    CChartHost* m_pHost = nullptr;
    CTargetMarks m_marks;
    CSwingMarks m_swingMarks;
    CDateTicks m_dateTicks;
    CPlanetSky m_planets;
};
