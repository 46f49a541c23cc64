#include "DocumentDialogs.h"

#include "AstroDateText.h"
#include "BaseDraw.h"
#include "CellFacts.h"
#include "CellTable.h"
#include "ChartDocument.h"
#include "ChartExport.h"
#include "ChartPrinter.h"
#include "ChartPropertyDialog.h"
#include "FileDialogs.h"
#include "FileSettings.h"
#include "FindCellDialog.h"
#include "PictureRegion.h"
#include "PlainFile.h"
#include "PrintLayoutDialog.h"
#include "Rotula2View.h"
#include "TargetPanel.h"
#include "WallChart.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include <ctime>

namespace {

// 256 MiB of pixels at most on the clipboard, which may copy them again.
constexpr int kMaxClipboardSide = 8192;

const char* const kFileFilter = "Rotula 2 (*.rtl)";
const char* const kFileSuffix = "rtl";

// The local time now, as the planet ring's moment takes it.
std::string NowText() { return AstroDateText::Format(AstroDateText::NowLocal()); }

using FileDialogs::LocalPath;

} // namespace

// A file opened in any way or saved names the folder the next dialog starts in.
CDocumentDialogs::CDocumentDialogs(CChartDocument& document, CRotula2View& view, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_view(view)
    , m_printer(std::make_unique<CChartPrinter>(&view))
{
    connect(&m_view, &CRotula2View::propertiesRequested, this, &CDocumentDialogs::EditProperties);
    connect(&m_doc, &CChartDocument::fileChanged, this, [](const QString& path) {
        if (!path.isEmpty())
            FileSettings::RememberFolderOf(path);
    });
}

CDocumentDialogs::~CDocumentDialogs() = default;

bool CDocumentDialogs::MaybeSave()
{
    if (!m_doc.IsModified())
        return true;
    switch (AskSaveChanges()) {
    case QMessageBox::Save: return SaveDocument();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

// The planet ring goes off with a fresh set; the view shows its middle.
void CDocumentDialogs::NewDocument()
{
    if (!MaybeSave())
        return;
    m_doc.New();
    StorePlanets();
    m_view.centreView();
}

void CDocumentDialogs::OpenDocument()
{
    if (!MaybeSave())
        return;
    const QString path = AskOpenPath();
    if (!path.isEmpty())
        OpenFile(path);
}

bool CDocumentDialogs::OpenDocumentAt(const QString& path) { return MaybeSave() && OpenFile(path); }

bool CDocumentDialogs::OpenFile(const QString& path)
{
    const Result<void> opened = m_doc.Open(path);
    if (!opened.Ok())
        ShowFailure(opened.Message());
    return opened.Ok();
}

bool CDocumentDialogs::SaveFile(const QString& path)
{
    const Result<void> saved = m_doc.Save(path);
    if (!saved.Ok())
        ShowFailure(saved.Message());
    else if (!saved.Message().empty()) // saved, with something the user should know about the file
        ShowMessage(QMessageBox::Information, QString::fromStdString(saved.Message()));
    return saved.Ok();
}

bool CDocumentDialogs::SaveDocument()
{
    if (m_doc.Path().isEmpty())
        return SaveDocumentAs();
    return SaveFile(m_doc.Path());
}

bool CDocumentDialogs::SaveDocumentAs()
{
    const QString path = AskSavePath();
    return !path.isEmpty() && SaveFile(path);
}

void CDocumentDialogs::PrintChart() { Print(false); }

void CDocumentDialogs::PreviewChart() { Print(true); }

// The layout dialog counts the pages, so a confirmed wall chart has a grid.
void CDocumentDialogs::Print(bool preview)
{
    CBaseDraw& chart = m_doc.Chart();
    // Laid out by this paint, so that the cells can be measured next.
    const Rect region = PictureRegion(chart, m_view.CanvasSize(), 1.0);
    const double pitch = CellPitch(chart);
    const double readableCellMm = CPageGrid::ReadableMmPerUnit(chart.LabelFont().height) * pitch;
    const std::optional<PrintLayout> layout =
        CPrintLayoutDialog::Ask(FileSettings::LoadPrintLayout(), region, pitch, readableCellMm, &m_view);
    if (!layout)
        return;
    FileSettings::StorePrintLayout(*layout);
    bool printed = true;
    if (layout->fit == PrintLayout::Fit::OnePage) {
        const CaptionedPicture page = OnePage(region, layout->caption);
        if (preview)
            m_printer->Preview(page.picture, page.region);
        else
            printed = m_printer->Print(page.picture, page.region);
    } else {
        const std::vector<std::string> caption =
            layout->caption ? ChartCaption(chart, Context()) : std::vector<std::string>();
        const WallChart wall{ChartPicture(chart, Marks()), layout->Grid(region, pitch).Value(), layout->overview,
                             caption};
        if (preview)
            m_printer->Preview(wall);
        else
            printed = m_printer->Print(wall);
    }
    if (!printed)
        ShowMessage(QMessageBox::Warning, tr("无法打印图表。"));
}

CaptionedPicture CDocumentDialogs::OnePage(const Rect& region, bool caption) const
{
    CBaseDraw& chart = m_doc.Chart();
    return AddCaption(ChartPicture(chart, Marks()), region,
                      caption ? ChartCaption(chart, Context()) : std::vector<std::string>(), chart.LabelFont(),
                      chart.m_fZoom);
}

CaptionContext CDocumentDialogs::Context() const
{
    const std::optional<Target>& pivot = m_doc.Marks().PivotRow();
    return {m_instrument ? m_instrument() : std::string(),
            pivot ? CTargetPanel::PivotText(*pivot).toStdString() : std::string(),
            QDate::currentDate().toString(Qt::ISODate).toStdString()};
}

// Pictures and pages show the marks the view shows over the chart.
ChartOverlay CDocumentDialogs::Marks() const
{
    return [this](CBaseDraw&, CDrawSurface& dc) { m_doc.DrawMarks(dc); };
}

void CDocumentDialogs::ExportPicture()
{
    const QString path = AskExportPath(tr("导出图片"), FileDialogs::PictureFilters());
    if (path.isEmpty())
        return;
    const CaptionedPicture page = OnePage(m_view.chartArea(), FileSettings::ExportCaption(QFileInfo(path).suffix()));
    std::string error;
    if (!::ExportPicture(page.picture, LocalPath(path), page.region, m_doc.Chart().m_fZoom, error))
        ShowFailure(error);
}

void CDocumentDialogs::ExportCellTable()
{
    ExportText(tr("导出单元格表"), QStringLiteral("CSV (*.csv)"),
               [this] { return CellTable::Csv(m_doc.Chart(), m_doc.Kind(), CellTable::Headers::Interface); });
}

void CDocumentDialogs::ExportTargetTable()
{
    if (const std::optional<std::string> table = m_doc.Marks().Csv())
        ExportText(tr("导出目标表"), QStringLiteral("CSV (*.csv)"), [&] { return *table; });
}

void CDocumentDialogs::ExportTargetCalendar()
{
    const std::optional<std::string> calendar = m_doc.Marks().Ics(std::time(nullptr));
    if (!calendar) {
        ShowMessage(QMessageBox::Information, tr("没有带日期的目标，无日历可导出。"));
        return;
    }
    ExportText(tr("导出日历"), QStringLiteral("iCalendar (*.ics)"), [&] { return *calendar; });
}

void CDocumentDialogs::ExportText(const QString& title, const QString& filter,
                                  const std::function<std::string()>& text)
{
    const QString path = AskExportPath(title, {filter});
    if (path.isEmpty())
        return;
    const Result<void> written = PlainFile::Replace(LocalPath(path), text());
    if (!written.Ok())
        ShowFailure(written.Message());
}

void CDocumentDialogs::CopyChart()
{
    CBaseDraw& chart = m_doc.Chart();
    std::string error;
    const QImage image = ChartImage(chart, m_view.chartArea(), chart.m_fZoom, kMaxClipboardSide, error, Marks());
    if (image.isNull())
        ShowFailure(error);
    else
        QGuiApplication::clipboard()->setImage(image);
}

void CDocumentDialogs::Find()
{
    if (const std::optional<CellQuery> query = AskFindQuery())
        ShowCell(*query);
}

bool CDocumentDialogs::ShowCell(const CellQuery& query)
{
    const Result<int> found = m_doc.Find(query);
    if (!found.Ok()) {
        ShowMessage(QMessageBox::Information, QString::fromStdString(found.Message()));
        return false;
    }
    m_view.ScrollToCell(found.Value());
    return true;
}

void CDocumentDialogs::EditProperties()
{
    m_doc.EditChart(tr("图表属性"), [this](CBaseDraw& chart) { return EditChartProperties(chart); });
}

void CDocumentDialogs::StartPlanets(const CityList& cities, const Ephemeris& ephemeris)
{
    const FileSettings::PlanetSettings kept = FileSettings::LoadPlanets();
    const std::string now = kept.now.empty() ? NowText() : kept.now;
    PlanetsShown(m_doc.StartPlanets(cities, ephemeris, kept.on, kept.moment, now));
}

void CDocumentDialogs::FlipPlanets() { PlanetsShown(m_doc.FlipPlanets(NowText())); }

void CDocumentDialogs::SetPlanetMoment(const PlanetMoment& moment)
{
    PlanetsShown(m_doc.SetPlanetMoment(moment, NowText()));
}

// A failed computation's message; the settings keep the ring's state.
void CDocumentDialogs::PlanetsShown(const AstrologyReport::Outcome& outcome)
{
    StorePlanets();
    if (!outcome.Ok())
        ShowMessage(outcome.information ? QMessageBox::Information : QMessageBox::Warning,
                    QString::fromStdString(outcome.message));
}

void CDocumentDialogs::StorePlanets() const
{
    const CPlanetSky& planets = m_doc.Planets();
    FileSettings::StorePlanets({planets.IsOn(), planets.Moment(), planets.NowText()});
}

void CDocumentDialogs::ShowFailure(const std::string& message)
{
    ShowMessage(QMessageBox::Warning, QString::fromStdString(message));
}

QString CDocumentDialogs::AskOpenPath()
{
    QFileDialog dialog(&m_view, QString(), FileSettings::DialogFolder(), QString::fromLatin1(kFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kFileSuffix);
    return FileDialogs::Ask(dialog);
}

QString CDocumentDialogs::AskSavePath()
{
    QFileDialog dialog(&m_view, QString(), FileSettings::DialogFolder(), QString::fromLatin1(kFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kFileSuffix);
    if (!m_doc.Path().isEmpty())
        dialog.selectFile(m_doc.Path());
    return FileDialogs::Ask(dialog);
}

QString CDocumentDialogs::AskExportPath(const QString& title, const QStringList& filters)
{
    return FileDialogs::AskExportPath(&m_view, title, filters);
}

QMessageBox::StandardButton CDocumentDialogs::AskSaveChanges()
{
    return QMessageBox::question(&m_view, QCoreApplication::applicationName(), tr("图表已修改。\n是否保存修改？"),
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

std::optional<CellQuery> CDocumentDialogs::AskFindQuery() { return CFindCellDialog::Ask(&m_view); }

void CDocumentDialogs::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, &m_view);
    box.exec();
}

bool CDocumentDialogs::EditChartProperties(CBaseDraw& chart) { return CChartProperty::Edit(chart, &m_view); }
