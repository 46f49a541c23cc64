#pragma once

#include "ChartFrames.h"
#include "ChartHistory.h"
#include "ChartHost.h"
#include "DisplaySwitches.h"
#include "Geometry.h"
#include "PlanetSky.h"
#include "PointerStatus.h"
#include "TargetMarks.h"
#include "UnsavedWork.h"
#include "ZoomView.h"

#include <QMessageBox>

#include <functional>
#include <memory>
#include <optional>

class CChartPrinter;
class CChartSet;
class CBaseDraw;
class QFileDialog;

// The window in which a chart is shown and worked on. It owns the chart set,
// carries out the chart commands on the current chart, which holds the
// display switches and the mouse tool, paints it and hands mouse input to it
// in chart coordinates. The zoom, the palette colour and the line number are
// the view's; the chart takes them where it needs them.
class CRotula2View : public CZoomView, private CChartHost {
    Q_OBJECT

public:
    explicit CRotula2View(QWidget* parent = nullptr);
    ~CRotula2View() override;

    // The initial update: zoom levels, canvas from the screen size, chart
    // rectangle, first Square of Nine chart.
    void InitialUpdate(Size screen);

    // Commands on the current chart. Each repaints when the picture changed,
    // then updates the modified flag and signals stateChanged.
    void SwitchKind(int kind);
    void FlipSwitch(DisplaySwitch which);
    void ChoosePeriod(int period);
    void ChooseDecimals(int digits);
    void ChooseTool(MouseTool tool);
    void ClearDrawings();
    void EditProperties();
    // Arms the note tool: the next left press places a note.
    void PlaceNote();

    // 查找: marks the cell a price, date or number names, scrolls it into
    // view and, with the target tool on, makes it the pivot; nothing found
    // is a message. Neither is stored nor a step of the history.
    void Find();
    bool ShowCell(const CellQuery& query);
    // The target tool is the view's: while on, on a chart with angles, a
    // left press on a cell makes it the pivot instead of reaching the chart;
    // the chart's own tool acts again once it is off. Choosing a chart tool
    // turns it off.
    void ChooseTargetTool();
    bool TargetToolOn() const;
    void SetTargetAngles(std::vector<double> angles);
    void SetTargetTurns(int turns);
    // Forgets the found cell, the pivot and its targets; so does a chart
    // becoming current and 清除所有画线.
    void ClearMarks();
    const CTargetMarks& Marks() const { return m_marks; }

    // The planet ring is the window's, not a chart's: each kind with an angle
    // ring shows it, the settings keep it and it is no step of the history;
    // New turns it off. Start takes the city list and what the settings kept,
    // "now" as the time it stood for then; a moment the ring cannot be
    // computed for is a message and leaves the ring off.
    void StartPlanets(const CityList& cities, const Ephemeris& ephemeris = Ephemeris());
    void FlipPlanets();
    void SetPlanetMoment(const PlanetMoment& moment);
    const CPlanetSky& Planets() const { return m_planets; }

    // Every change to the set's stored data but a zoom is a step of the
    // history; undo and redo show the chart of the step they take.
    void Undo();
    void Redo();
    const CChartHistory& History() const { return m_history; }

    // New, Open, Save and Save As with their questions, and printing.
    void NewDocument();
    void OpenDocument();
    // Open of a path chosen outside the file dialog (a recent file, a drop),
    // after the question about unsaved work.
    bool OpenDocumentAt(const QString& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    void PrintChart();
    void PreviewChart();

    // The current chart at the chart's zoom, all the picture holds (the
    // chart area) without drag handles: a picture file (PNG, SVG or PDF by
    // the extension) or its cell table (CSV), each written whole or not at
    // all, or an image on the clipboard. Failures are shown as a message.
    void ExportPicture();
    void ExportCellTable();
    // The pivot's targets as CSV or as an iCalendar file.
    void ExportTargetTable();
    void ExportTargetCalendar();
    void CopyChart();

    // What the frame's palette and line-number flyout currently offer; read
    // into the chart at every left button press.
    void SetPaletteColor(Color color);
    void SetLineNumber(int number);

    // Unsaved work: true when the chart set differs from the file last
    // opened or saved (or from a new set).
    bool IsModified() const;
    // Asks whether to save unsaved work first; false when the user cancels.
    bool MaybeSave();

    // Open and save without the file dialogs (a path from the command line,
    // or chosen in the dialogs of Open and Save As). Failures are reported
    // to the user; a failed open keeps the charts that were open.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

    // The status bar's texts for the pointer's last place over the window.
    PointerStatus Status();

    CChartSet& Charts();
    CBaseDraw* CurrentChart() const;
    // The current chart's canvas in chart units (the view's, or larger for a
    // chart of many rings) and the rectangle charts are laid out in.
    Size CanvasSize() const;
    Rect ChartRect() const { return m_rcChart; }

signals:
    // Any change that the toolbars or the window title show.
    void stateChanged();
    // A file was opened or saved, by its absolute path.
    void fileUsed(const QString& path);
    // What Status() says may have changed: the pointer moved or left, the
    // chart scrolled under it or a paint laid it out anew.
    void statusChanged();
    // The pivot or its rows changed (Marks()).
    void targetsChanged();

protected:
    // The questions and messages the view puts to the user; tests answer
    // them instead. Empty paths mean the user cancelled.
    virtual QString AskOpenPath();
    virtual QString AskSavePath();
    // A file to export to, with the extension of the chosen filter when the
    // name has none.
    virtual QString AskExportPath(const QString& title, const QStringList& filters);
    virtual QMessageBox::StandardButton AskSaveChanges();
    // What 查找 looks for; nothing when the user cancelled.
    virtual std::optional<CellQuery> AskFindQuery();
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);
    // The context menu of a right click that removed nothing.
    virtual void ShowContextMenu(const QPoint& globalPos);

    // CChartHost: repaint, hand cursor and the note dialog.
    void InvalidateChart() override;
    void ShowHandCursor() override;
    bool EditComment(Comments& note) override;
    // The chart properties dialog on chart; true when the user confirmed.
    virtual bool EditChartProperties(CBaseDraw& chart);

    void drawContents(QPainter& painter, double scale) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Runs a file dialog; empty when cancelled.
    static QString AskPath(QFileDialog& dialog);
    CBaseDraw& Chart() const;
    // The status bar's facts of cell n of the current chart; none for 0.
    std::optional<CellFacts> StatusFacts(int n);
    void UsedFile(const QString& path);
    // The view takes the zoom of a chart that becomes current.
    void ChartBecameCurrent();
    // The chart's zoom, which its labels and its file use, is the view's.
    void GiveZoomToChart();
    // Scrolling, Fit, export and copy cover all the picture holds, which
    // commands and finished mouse actions may change; a chart whose cells
    // would be smaller than a unit on the view's canvas gets a larger one.
    void UpdateChartArea();
    // After a command: a repaint when the picture changed, then the modified
    // flag and the toolbars follow.
    void AfterCommand(bool repaint);
    // After a mouse action changed the chart, perhaps by a step of the history.
    void AfterChartChange(bool stepped);
    // A command that changes the current chart: one step named name; change
    // returns whether the picture changed.
    void RecordedCommand(const QString& name, const std::function<bool()>& change);
    // An undo or redo step: shows the chart of kind and sets state into it.
    void ApplyStep(int kind, const CChartState& state);
    // Ends a line or handle drag on the current chart before another is shown.
    void StopMouseDrag();
    // Writes text(), built only once a path is chosen, to a file whole or not at all.
    void ExportText(const QString& title, const QString& filter, const std::function<std::string()>& text);
    // Shows a failed computation's message, keeps the ring's state and repaints.
    void PlanetsChanged(const AstrologyReport::Outcome& outcome);
    void StorePlanets() const;
    // The ring as it stands, for the current chart's next paint or export.
    void GivePlanetsToChart();
    // The marks' rows recomputed and repainted after a change to them.
    void MarksChanged();
    // How the window shows the chart now.
    FrameView ShownView() const;
    // From a left press to the paint after its release, repaints cover only
    // what changed: the record taken here is of the picture shown.
    void StartFrames();
    // Compares the set with its file; true when the flag changed.
    bool UpdateModified();
    // The set as it stands is what its file holds.
    void MarkSaved();

    std::unique_ptr<CChartSet> m_charts;
    std::unique_ptr<CChartPrinter> m_printer;
    CUnsavedWork m_unsaved;
    CChartHistory m_history;
    bool m_bModified = false;
    Size m_szCanvas;
    Rect m_rcChart;
    int m_nLineNumber = 1;
    Color m_crPalette = MakeColor(128, 128, 128); // palette colour 0: nothing chosen yet
    bool m_bHandRequested = false;                // a chart asked for the hand cursor
    std::optional<QPoint> m_pointer;              // over the window, in its pixels
    CTargetMarks m_marks;
    bool m_bTargetTool = false;
    CPlanetSky m_planets;
    CChartFrames m_frames;
    bool m_bLeftHeld = false;
};
