#pragma once

#include "AstrologyReport.h"
#include "CaptionedPicture.h"
#include "ChartCaption.h"
#include "ChartExport.h"
#include "PlanetSky.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CBaseDraw;
class CChartDocument;
class CChartPrinter;
class CRotula2View;
struct CellQuery;
struct CityList;

// The document's commands that put questions to the user or tell them what
// happened: New, Open and Save with the question about unsaved work, export,
// copy and printing of what the view shows, 查找, the chart properties and
// the planet ring's messages. The settings keep the folder of the file last
// used, the planet ring's state and the print layout.
class CDocumentDialogs : public QObject {
    Q_OBJECT

public:
    CDocumentDialogs(CChartDocument& document, CRotula2View& view, QObject* parent = nullptr);
    ~CDocumentDialogs() override;

    void NewDocument();
    void OpenDocument();
    // Open of a path chosen outside the file dialog (a recent file, a drop),
    // after the question about unsaved work.
    bool OpenDocumentAt(const QString& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks whether to save unsaved work first; false when the user cancels.
    bool MaybeSave();
    // Open and save without the file dialogs. Failures are reported to the
    // user; a failed open keeps the charts that were open.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

    // The print layout dialog, then the printer's dialog or the preview:
    // the current chart on one page or as a wall chart, with the caption
    // when the layout asks for it.
    void PrintChart();
    void PreviewChart();
    // The current chart at the chart's zoom, all the picture holds (the
    // chart area) without drag handles: a picture file (PNG, SVG or PDF by
    // the extension, with the caption where the settings say so for that
    // kind of file) or its cell table (CSV), each written whole or not at
    // all, or an image on the clipboard.
    void ExportPicture();
    void ExportCellTable();
    // The pivot's targets as CSV or as an iCalendar file.
    void ExportTargetTable();
    void ExportTargetCalendar();
    void CopyChart();

    // 查找: marks the cell a price, date or number names and scrolls it into
    // view; nothing found is a message.
    void Find();
    bool ShowCell(const CellQuery& query);
    void EditProperties();

    // The planet ring from the city list and what the settings kept, "now"
    // as the time it stood for then; a moment it cannot be computed for is
    // a message and leaves it off.
    void StartPlanets(const CityList& cities, const Ephemeris& ephemeris = Ephemeris());
    void FlipPlanets();
    void SetPlanetMoment(const PlanetMoment& moment);

    // The chart's instrument as a caption names it (symbol and name), asked
    // at each print and export; none when it answers empty or is not set.
    void SetInstrument(std::function<std::string()> instrument) { m_instrument = std::move(instrument); }
    // What the caption says beyond the chart: the instrument, the pivot as
    // the targets panel shows it and today's date.
    CaptionContext Context() const;

protected:
    // The questions and messages put to the user; tests answer them
    // instead. Empty paths mean the user cancelled.
    virtual QString AskOpenPath();
    virtual QString AskSavePath();
    // A file to export to, with the extension of the chosen filter when the
    // name has none.
    virtual QString AskExportPath(const QString& title, const QStringList& filters);
    virtual QMessageBox::StandardButton AskSaveChanges();
    // What 查找 looks for; nothing when the user cancelled.
    virtual std::optional<CellQuery> AskFindQuery();
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);
    // The chart properties dialog on chart; true when the user confirmed.
    virtual bool EditChartProperties(CBaseDraw& chart);

private:
    ChartOverlay Marks() const;
    void Print(bool preview);
    // region of the current chart with the marks over it, and the caption
    // under it when asked.
    CaptionedPicture OnePage(const Rect& region, bool caption) const;
    void ShowFailure(const std::string& message);
    // Writes text(), built only once a path is chosen, to a file whole or not at all.
    void ExportText(const QString& title, const QString& filter, const std::function<std::string()>& text);
    void PlanetsShown(const AstrologyReport::Outcome& outcome);
    void StorePlanets() const;

    CChartDocument& m_doc;
    CRotula2View& m_view;
    std::unique_ptr<CChartPrinter> m_printer;
    std::function<std::string()> m_instrument;
};
