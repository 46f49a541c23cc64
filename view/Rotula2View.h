#pragma once

#include "ChartHost.h"
#include "Geometry.h"
#include "UnsavedWork.h"
#include "ViewState.h"
#include "ZoomView.h"

#include <QMessageBox>

#include <memory>

class CChartPrinter;
class CChartSet;
class CBaseDraw;
class CToolDialogs;

// The window in which a chart is shown and worked on. It owns the chart set,
// keeps the display switches the toolbars show, turns each command into a
// change of that state, paints the current chart and hands mouse input to
// it in chart coordinates.
class CRotula2View : public CZoomView, private CChartHost {
    Q_OBJECT

public:
    // Pressed and enabled state of one command, for the toolbars and menus.
    struct CommandState {
        bool handled = false;   // the id is one of the view's
        bool enabled = true;
        bool checkable = false;
        bool checked = false;
    };

    explicit CRotula2View(QWidget* parent = nullptr);
    ~CRotula2View() override;

    // The initial update: solar-term table, zoom levels, canvas from the
    // screen size, chart rectangle, first Square of Nine chart.
    void InitialUpdate(Size screen);

    // Carries out a command of the view; false when the id is not the view's.
    bool OnCommand(int id);
    CommandState QueryCommand(int id) const;

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

    CChartSet& Charts();
    CBaseDraw* CurrentChart() const;
    // The canvas in chart units and the rectangle charts are laid out in.
    Size CanvasSize() const { return m_szCanvas; }
    Rect ChartRect() const { return m_rcChart; }

signals:
    // Any change that the toolbars or the window title show.
    void stateChanged();

protected:
    // The questions and messages the view puts to the user; tests answer
    // them instead. Empty paths mean the user cancelled.
    virtual QString AskOpenPath();
    virtual QString AskSavePath();
    virtual QMessageBox::StandardButton AskSaveChanges();
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

private:
    CBaseDraw& Chart() const;
    // View to chart, then the chart and its notes.
    void PaintCurrentChart(QPainter& painter, double scale);
    void RunCommand(int id);
    void FlipSwitch(int id);
    void SwitchKind(int kind);
    void ChoosePeriod(int period);
    void ChooseDecimals(int digits);
    void ClearDrawings();
    void NewDocument();
    void OpenDocument();
    bool SaveDocument();
    bool SaveDocumentAs();
    void PrintChart(int id);

    // Chart to view, when a chart becomes current.
    void ChartBecameCurrent();
    // View to chart, so that the chart and its file hold what is shown.
    void SyncChart();
    // After a command: the chart takes the view's state, then the modified
    // flag and the toolbars follow.
    void AfterCommand();
    // After a mouse action changed the chart.
    void AfterChartChange();
    // Compares the set with its file; true when the flag changed.
    bool UpdateModified();
    // The set as it stands is what its file holds.
    void MarkSaved();

    std::unique_ptr<CChartSet> m_charts;
    std::unique_ptr<CChartPrinter> m_printer;
    std::unique_ptr<CToolDialogs> m_tools;
    CViewState m_state;
    CUnsavedWork m_unsaved;
    bool m_bModified = false;
    Size m_szCanvas;
    Rect m_rcChart;
    int m_nLineNumber = 1;
    Color m_crPalette = MakeColor(128, 128, 128); // palette colour 0: nothing chosen yet
    bool m_bHandRequested = false;                // a chart asked for the hand cursor
};
