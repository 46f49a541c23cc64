#include "CommandTable.h"

#include "AboutDialog.h"
#include "BaseDraw.h"
#include "ChartKinds.h"
#include "ChartDocument.h"
#include "ChartSet.h"
#include "CommandIds.h"
#include "DocumentDialogs.h"
#include "FileSettings.h"
#include "MainFrame.h"
#include "MarketSession.h"
#include "MarketWorkspace.h"
#include "SwingPanel.h"
#include "PivotTargets.h"
#include "PlanetMomentDialog.h"
#include "Rotula2View.h"
#include "TargetPanel.h"
#include "ToolDialogs.h"
#include "VersionCheck.h"

#include <QCoreApplication>
#include <QDockWidget>

namespace CommandTable {

namespace {

const CBaseDraw& Chart(const Context& c) { return c.document.Chart(); }

// A command of the document that takes nothing.
Handler OnDocument(void (CChartDocument::*command)())
{
    return [command](Context& c) { (c.document.*command)(); };
}

// A command of the document's dialogs that takes nothing.
Handler OnDialogs(void (CDocumentDialogs::*command)())
{
    return [command](Context& c) { (c.dialogs.*command)(); };
}

// 行星时间...: the dialog starts at the ring's moment and city.
void AskPlanetMoment(Context& c)
{
    const CPlanetSky& sky = c.document.Planets();
    const std::vector<CityInfo>& cities = sky.Cities();
    const int city = sky.City() ? static_cast<int>(sky.City() - cities.data()) : -1;
    CPlanetMomentDlg dialog(cities, city, sky.Moment().date, &c.frame);
    if (dialog.exec() == QDialog::Accepted)
        c.dialogs.SetPlanetMoment({dialog.DateText(), cities[dialog.CityIndex()].Name});
}

// A command of the market workspace that takes nothing.
Handler OnMarket(void (CMarketWorkspace::*command)())
{
    return [command](Context& c) { (c.market.*command)(); };
}

bool HasInstrument(const Context& c) { return c.market.Session().HasInstrument(); }

Handler OnTools(void (CToolDialogs::*show)())
{
    return [show](Context& c) { (c.tools.*show)(); };
}

// A display switch: flips under the chart's rules, pressed while on.
Command SwitchCommand(int id, const char* icon, DisplaySwitch which)
{
    return {id, DisplaySwitches::Text(which), "", icon, "", [which](Context& c) { c.document.FlipSwitch(which); },
        [which](const Context& c) { return DisplaySwitches::IsOn(Chart(c), which); }};
}

// Whether exported pictures of one kind (the row's text names it) carry the
// caption; the settings keep it.
Command ExportCaptionCommand(int id, const char* kind)
{
    const QString suffix = QString::fromLatin1(kind).toLower();
    return {id, kind, "", "", "", [suffix](Context&) { FileSettings::SetExportCaption(suffix, !FileSettings::ExportCaption(suffix)); },
        [suffix](const Context&) { return FileSettings::ExportCaption(suffix); }};
}

const char* const kExportCaptionMenu = QT_TRANSLATE_NOOP("Commands", "导出图片的图注");

// One of several values to choose: a kind, a tool, a period, a count of
// decimal digits or a line number.
template <class T>
struct ChoiceRow {
    int id;
    T value;
    const char* text;
    const char* icon;
};

using KindRow = ChoiceRow<int>;
using ToolRow = ChoiceRow<MouseTool>;
using PeriodRow = ChoiceRow<Period>;
using ValueRow = ChoiceRow<int>;

const KindRow kKinds[] = {
    {Cmd::KindWheel, kWheel, QT_TRANSLATE_NOOP("Commands", "24 轮子"), "kind_wheel"},
    {Cmd::KindSquareOfNine, kSquareOfNine, QT_TRANSLATE_NOOP("Commands", "九方图"), "kind_nine"},
    {Cmd::KindSquareOfFour, kSquareOfFour, QT_TRANSLATE_NOOP("Commands", "四方图"), "kind_four"},
    {Cmd::KindHexagon, kHexagon, QT_TRANSLATE_NOOP("Commands", "六方图"), "kind_hexagon"},
    {Cmd::KindMasterChart, kMasterChart, QT_TRANSLATE_NOOP("Commands", "数字表"), "kind_master"},
};

const ToolRow kTools[] = {
    {Cmd::ToolLine, MouseTool::Line, QT_TRANSLATE_NOOP("Commands", "画 直线"), "tool_line"},
    {Cmd::ToolArrow, MouseTool::Arrow, QT_TRANSLATE_NOOP("Commands", "画 箭头线"), "tool_arrow"},
    {Cmd::ToolTangent, MouseTool::Tangent, QT_TRANSLATE_NOOP("Commands", "画 切线"), "tool_tangent"},
    {Cmd::ToolCircle, MouseTool::Circle, QT_TRANSLATE_NOOP("Commands", "【圆形】填充点击的单元格"), "tool_circle"},
    {Cmd::ToolSquare, MouseTool::Square, QT_TRANSLATE_NOOP("Commands", "【正方形】填充点击的单元格"), "tool_square"},
};

const PeriodRow kPeriods[] = {
    {Cmd::PeriodDay, Period::Day, QT_TRANSLATE_NOOP("Commands", "日"), ""},
    {Cmd::PeriodWeek, Period::Week, QT_TRANSLATE_NOOP("Commands", "周"), ""},
    {Cmd::PeriodMonth, Period::Month, QT_TRANSLATE_NOOP("Commands", "月"), ""},
};

const ValueRow kDigits[] = {
    {Cmd::Digits0, 0, "0", ""},
    {Cmd::Digits1, 1, "1", ""},
    {Cmd::Digits2, 2, "2", ""},
    {Cmd::Digits3, 3, "3", ""},
    {Cmd::Digits4, 4, "4", ""},
    {Cmd::Digits5, 5, "5", ""},
};

const ValueRow kLines[] = {
    {Cmd::Line1, 1, QT_TRANSLATE_NOOP("Commands", "1 号线"), "line1"},
    {Cmd::Line2, 2, QT_TRANSLATE_NOOP("Commands", "2 号线"), "line2"},
    {Cmd::Line3, 3, QT_TRANSLATE_NOOP("Commands", "3 号线"), "line3"},
    {Cmd::Line4, 4, QT_TRANSLATE_NOOP("Commands", "4 号线"), "line4"},
};

// Each language is named in its own words, in either interface, and so is
// the menu, so that a reader of only one of them finds it.
const char* const kLanguageMenu = "语言 / Language";
const ChoiceRow<Language> kLanguages[] = {
    {Cmd::LanguageChinese, Language::Chinese, "中文", ""},
    {Cmd::LanguageEnglish, Language::English, "English", ""},
};

template <class Row, std::size_t N> std::vector<int> IdsOf(const Row (&rows)[N])
{
    std::vector<int> ids;
    for (const Row& row : rows)
        ids.push_back(row.id);
    return ids;
}

void Append(std::vector<Command>& commands, const std::vector<Command>& more)
{
    commands.insert(commands.end(), more.begin(), more.end());
}

// A row per value: choose(context, value) runs it; it shows pressed while
// current(context) equals the value, or never when current is empty.
template <class T, std::size_t N>
void AddChoices(std::vector<Command>& commands, const ChoiceRow<T> (&rows)[N], void (*choose)(Context&, T),
                T (*current)(const Context&) = nullptr)
{
    for (const ChoiceRow<T>& row : rows) {
        const T value = row.value;
        Test checked;
        if (current)
            checked = [current, value](const Context& c) { return current(c) == value; };
        commands.push_back({row.id, row.text, "", row.icon, "", [choose, value](Context& c) { choose(c, value); },
            std::move(checked)});
    }
}

std::vector<Command> BuildCommands()
{
    std::vector<Command> commands = {
        {Cmd::FileNew, QT_TRANSLATE_NOOP("Commands", "新建"), QT_TRANSLATE_NOOP("Commands", "新建"), "new", "Ctrl+N", OnDialogs(&CDocumentDialogs::NewDocument)},
        {Cmd::FileOpen, QT_TRANSLATE_NOOP("Commands", "打开..."), QT_TRANSLATE_NOOP("Commands", "打开"), "open", "Ctrl+O", OnDialogs(&CDocumentDialogs::OpenDocument)},
        {Cmd::FileSave, QT_TRANSLATE_NOOP("Commands", "保存"), QT_TRANSLATE_NOOP("Commands", "保存"), "save", "Ctrl+S", [](Context& c) { c.dialogs.SaveDocument(); }},
        {Cmd::FileSaveAs, QT_TRANSLATE_NOOP("Commands", "另存为..."), "", "", "Ctrl+Shift+S", [](Context& c) { c.dialogs.SaveDocumentAs(); }},
        {Cmd::RecentFiles, QT_TRANSLATE_NOOP("Commands", "最近打开的文件"), "", "", "", {}, {},
            [](const Context& c) { return !c.frame.RecentFiles().Entries().empty(); }},
        {Cmd::ExportPicture, QT_TRANSLATE_NOOP("Commands", "导出图片..."), "", "", "", OnDialogs(&CDocumentDialogs::ExportPicture)},
        {Cmd::ExportCaptionMenu, kExportCaptionMenu, "", "", ""},
        ExportCaptionCommand(Cmd::ExportCaptionPng, "PNG"),
        ExportCaptionCommand(Cmd::ExportCaptionSvg, "SVG"),
        ExportCaptionCommand(Cmd::ExportCaptionPdf, "PDF"),
        {Cmd::ExportCellTable, QT_TRANSLATE_NOOP("Commands", "导出单元格表..."), "", "", "", OnDialogs(&CDocumentDialogs::ExportCellTable)},
        {Cmd::EditUndo, QT_TRANSLATE_NOOP("Commands", "撤销"), "", "", "Ctrl+Z", OnDocument(&CChartDocument::Undo), {},
            [](const Context& c) { return c.document.UndoStack().canUndo(); },
            [](const Context& c) { return c.document.UndoStack().undoText(); }},
        {Cmd::EditRedo, QT_TRANSLATE_NOOP("Commands", "重做"), "", "", "Ctrl+Y; Ctrl+Shift+Z", OnDocument(&CChartDocument::Redo), {},
            [](const Context& c) { return c.document.UndoStack().canRedo(); },
            [](const Context& c) { return c.document.UndoStack().redoText(); }},
        {Cmd::CopyChart, QT_TRANSLATE_NOOP("Commands", "复制图表"), "", "", "Ctrl+C", OnDialogs(&CDocumentDialogs::CopyChart)},
        {Cmd::Find, QT_TRANSLATE_NOOP("Commands", "查找..."), QT_TRANSLATE_NOOP("Commands", "查找价格、日期或编号"), "find", "Ctrl+F", OnDialogs(&CDocumentDialogs::Find)},
        {Cmd::Print, QT_TRANSLATE_NOOP("Commands", "打印..."), QT_TRANSLATE_NOOP("Commands", "打印"), "print", "Ctrl+P", OnDialogs(&CDocumentDialogs::PrintChart)},
        {Cmd::PrintPreview, QT_TRANSLATE_NOOP("Commands", "打印预览"), "", "", "", OnDialogs(&CDocumentDialogs::PreviewChart)},
        {Cmd::Exit, QT_TRANSLATE_NOOP("Commands", "退出"), "", "", "", [](Context& c) { c.frame.close(); }},
        {Cmd::MarketImport, QT_TRANSLATE_NOOP("Commands", "导入行情..."), QT_TRANSLATE_NOOP("Commands", "把价格文件导入行情库"), "", "Ctrl+I", OnMarket(&CMarketWorkspace::Import)},
        {Cmd::MarketLibrary, QT_TRANSLATE_NOOP("Commands", "行情库..."), "", "", "", OnMarket(&CMarketWorkspace::Library)},
        {Cmd::MarketInstrument, QT_TRANSLATE_NOOP("Commands", "本图品种"), "", "", ""},
        {Cmd::MarketPane, QT_TRANSLATE_NOOP("Commands", "价格窗格"), "", "", "", OnMarket(&CMarketWorkspace::FlipPane),
            [](const Context& c) { return c.market.PaneDock()->isVisible(); }},
        {Cmd::MarketSwingList, QT_TRANSLATE_NOOP("Commands", "摆动列表"), "", "", "", OnMarket(&CMarketWorkspace::FlipSwingList),
            [](const Context& c) { return c.market.SwingListShown(); }},
        {Cmd::MarketWhen, QT_TRANSLATE_NOOP("Commands", "时间簇与天象"), QT_TRANSLATE_NOOP("Commands", "多个摆动投射的时间簇，及一段时间内的天象"), "", "",
            OnMarket(&CMarketWorkspace::FlipWhen), [](const Context& c) { return c.market.WhenShown(); }},
        {Cmd::MarketPlanetLevels, QT_TRANSLATE_NOOP("Commands", "行星价格线..."), QT_TRANSLATE_NOOP("Commands", "价格窗格上的行星经度价格线"), "", "",
            OnMarket(&CMarketWorkspace::FlipPlanetLevels), [](const Context& c) { return c.market.PlanetLevelsShown(); },
            HasInstrument},
        {Cmd::MarketSwingMarks, QT_TRANSLATE_NOOP("Commands", "图上标出摆动"), "", "", "",
            [](Context& c) { c.market.ShowSwingMarks(!c.market.SwingMarksShown()); },
            [](const Context& c) { return c.market.SwingMarksShown(); }},
        {Cmd::MarketDateCells, QT_TRANSLATE_NOOP("Commands", "标出摆动的日期格"), "", "", "",
            [](Context& c) { c.market.ShowDateCells(!c.market.DateCellsShown()); },
            [](const Context& c) { return c.market.DateCellsShown(); },
            [](const Context& c) { return c.market.SwingMarksShown(); }},
        {Cmd::MarketStartAtSwing, QT_TRANSLATE_NOOP("Commands", "以此为起点"), QT_TRANSLATE_NOOP("Commands", "本图的起始价和起始日期取所选摆动的"), "", "",
            OnMarket(&CMarketWorkspace::StartAtChosenSwing), {},
            [](const Context& c) { return c.market.ChosenSwing().has_value(); }},
        {Cmd::MarketPriceStep, QT_TRANSLATE_NOOP("Commands", "建议价格步长..."), "", "", "",
            OnMarket(&CMarketWorkspace::ProposePriceStep), {}, HasInstrument},
        {Cmd::Astrology, QT_TRANSLATE_NOOP("Commands", "星象"), "", "", "", OnTools(&CToolDialogs::ShowAstrology)},
        {Cmd::DegreeCalculator, QT_TRANSLATE_NOOP("Commands", "计算器"), "", "", "", OnTools(&CToolDialogs::ShowDegreeCalculator)},
        {Cmd::TimeCalculator, QT_TRANSLATE_NOOP("Commands", "时间计算器"), "", "", "", OnTools(&CToolDialogs::ShowTimeCalculator)},
        {Cmd::CheckVersion, QT_TRANSLATE_NOOP("Commands", "检查新版本..."), "", "", "", [](Context& c) { c.versionCheck.Check(); }},
        {Cmd::About, QT_TRANSLATE_NOOP("Commands", "关于 Quadrix..."), "", "", "",
            [](Context& c) {
                CAboutDialog dialog(&c.frame);
                dialog.exec();
            }},
        {Cmd::LanguageMenu, kLanguageMenu, "", "", ""},
    };
    AddChoices<Language>(commands, kLanguages, [](Context& c, Language language) { c.frame.ChooseLanguage(language); },
        [](const Context& c) { return c.frame.ChosenLanguage(); });
    AddChoices<int>(commands, kKinds, [](Context& c, int kind) { c.document.SwitchKind(kind); },
        [](const Context& c) { return c.document.Charts().Kind(); });
    Append(commands,
        {
            {Cmd::ChartProperties, QT_TRANSLATE_NOOP("Commands", "图表属性设置"), "", "properties", "", OnDialogs(&CDocumentDialogs::EditProperties)},
            SwitchCommand(Cmd::CalendarRing, "ring_calendar", DisplaySwitch::CalendarRing),
            SwitchCommand(Cmd::AngleRing, "ring_angle", DisplaySwitch::AngleRing),
            {Cmd::Planets, QT_TRANSLATE_NOOP("Commands", "显示【行星】"), QT_TRANSLATE_NOOP("Commands", "显示【行星】：角度外环上的行星经度"), "planets", "",
                OnDialogs(&CDocumentDialogs::FlipPlanets), [](const Context& c) { return c.document.Planets().IsOn(); },
                [](const Context& c) { return HasAngles(*FindChartKind(c.document.Charts().Kind())); }},
            {Cmd::PlanetMoment, QT_TRANSLATE_NOOP("Commands", "行星时间..."), "", "", "", AskPlanetMoment},
            SwitchCommand(Cmd::ShowPrice, "show_price", DisplaySwitch::Price),
            SwitchCommand(Cmd::ShowTime, "show_time", DisplaySwitch::Time),
            SwitchCommand(Cmd::ShowN, "show_n", DisplaySwitch::N),
            SwitchCommand(Cmd::TimeStandard, "time_standard", DisplaySwitch::TimeStandard),
            {Cmd::PeriodMenu, QT_TRANSLATE_NOOP("Commands", "选择【周期】"), "", "period", ""},
            {Cmd::DigitsMenu, QT_TRANSLATE_NOOP("Commands", "选择价格的【小数位数】"), "", "digits", ""},
            SwitchCommand(Cmd::Clockwise, "clockwise", DisplaySwitch::Clockwise),
            {Cmd::ZoomIn, QT_TRANSLATE_NOOP("Commands", "放大"), "", "zoom_in", "", [](Context& c) { c.view.zoomIn(); }, {},
                [](const Context& c) { return c.view.canZoomIn(); }},
            {Cmd::ZoomOut, QT_TRANSLATE_NOOP("Commands", "缩小"), "", "zoom_out", "", [](Context& c) { c.view.zoomOut(); }, {},
                [](const Context& c) { return c.view.canZoomOut(); }},
            {Cmd::ZoomToFit, QT_TRANSLATE_NOOP("Commands", "适合窗口"), "", "zoom_fit", "", [](Context& c) { c.view.zoomToFit(); }},
            {Cmd::ZoomActualSize, QT_TRANSLATE_NOOP("Commands", "实际大小"), "", "zoom_actual", "", [](Context& c) { c.view.zoomToActualSize(); }},
            SwitchCommand(Cmd::Squares, "squares", DisplaySwitch::Squares),
            SwitchCommand(Cmd::Triangle, "triangle", DisplaySwitch::Triangle),
            SwitchCommand(Cmd::Divisions, "divisions", DisplaySwitch::Divisions),
        });
    AddChoices<MouseTool>(commands, kTools, [](Context& c, MouseTool tool) { c.document.ChooseTool(tool); },
        [](const Context& c) { return Chart(c).m_nTool; });
    Append(commands,
        {
            {Cmd::ToolTarget, QT_TRANSLATE_NOOP("Commands", "目标"), QT_TRANSLATE_NOOP("Commands", "目标：点击单元格作为支点，列出其各角度的目标"), "tool_target", "",
                [](Context& c) {
                    c.document.ChooseTool(MouseTool::Target);
                    if (c.document.TargetToolOn())
                        c.frame.Targets()->show();
                },
                [](const Context& c) { return c.document.TargetToolOn(); },
                [](const Context& c) { return HasAngles(*FindChartKind(c.document.Charts().Kind())); }},
            {Cmd::PlaceNote, QT_TRANSLATE_NOOP("Commands", "添加注释"), "", "note", "", OnDocument(&CChartDocument::PlaceNote)},
            {Cmd::ClearDrawings, QT_TRANSLATE_NOOP("Commands", "清除所有画线"), "", "clear", "", OnDocument(&CChartDocument::ClearDrawings)},
        });
    AddChoices<Period>(commands, kPeriods, [](Context& c, Period period) { c.document.ChoosePeriod(period); },
        [](const Context& c) { return Chart(c).m_nPeriod; });
    AddChoices<int>(commands, kDigits, [](Context& c, int digits) { c.document.ChooseDecimals(digits); },
        [](const Context& c) { return Chart(c).m_nDecimals; });
    // The flyout shows the line number; the entries have no pressed state.
    AddChoices<int>(commands, kLines, [](Context& c, int number) { c.view.SetLineNumber(number); });
    return commands;
}

} // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = BuildCommands();
    return commands;
}

const std::vector<Group>& ToolBars()
{
    static const std::vector<Group> bars = {
        {"standardToolBar", QT_TRANSLATE_NOOP("Commands", "标准"), {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Separator, Cmd::Print}},
        {"chartToolBar", QT_TRANSLATE_NOOP("Commands", "图表"),
            {Cmd::KindWheel, Cmd::KindSquareOfNine, Cmd::KindSquareOfFour, Cmd::KindHexagon, Cmd::KindMasterChart,
                Separator, Cmd::ChartProperties}},
        {"displayToolBar", QT_TRANSLATE_NOOP("Commands", "显示"),
            {Cmd::CalendarRing, Cmd::AngleRing, Cmd::Planets, Separator, Cmd::ShowPrice, Cmd::ShowTime, Cmd::ShowN, Cmd::TimeStandard,
                Cmd::PeriodMenu, Cmd::DigitsMenu, Cmd::Clockwise, Separator, Cmd::ZoomIn, Cmd::ZoomOut,
                Cmd::ZoomToFit, Cmd::ZoomActualSize}},
        {"drawingToolBar", QT_TRANSLATE_NOOP("Commands", "画线"),
            {Cmd::Squares, Cmd::Triangle, Cmd::Divisions, Separator, Cmd::ToolLine, Cmd::ToolArrow, Cmd::ToolTangent,
                Cmd::ToolCircle, Cmd::ToolSquare, Cmd::ToolTarget, Cmd::PlaceNote, Cmd::ClearDrawings}},
    };
    return bars;
}

const std::vector<Group>& Menus()
{
    static const std::vector<Group> menus = {
        {"fileMenu", QT_TRANSLATE_NOOP("Commands", "文件"),
            {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAs, Separator, Cmd::ExportPicture,
                Cmd::ExportCaptionMenu, Cmd::ExportCellTable, Separator, Cmd::Print, Cmd::PrintPreview, Separator, Cmd::RecentFiles, Separator,
                Cmd::Exit}},
        {"editMenu", QT_TRANSLATE_NOOP("Commands", "编辑"), {Cmd::EditUndo, Cmd::EditRedo, Separator, Cmd::CopyChart, Separator, Cmd::Find}},
        {"viewMenu", QT_TRANSLATE_NOOP("Commands", "视图"),
            {Cmd::ZoomIn, Cmd::ZoomOut, Separator, Cmd::ZoomToFit, Cmd::ZoomActualSize, Separator, Cmd::Planets,
                Cmd::PlanetMoment}},
        {"toolsMenu", QT_TRANSLATE_NOOP("Commands", "工具"), {Cmd::Astrology, Cmd::DegreeCalculator, Cmd::TimeCalculator, Separator, Cmd::ToolTarget}},
        {"marketMenu", QT_TRANSLATE_NOOP("Commands", "行情"),
            {Cmd::MarketImport, Cmd::MarketLibrary, Cmd::MarketInstrument, Separator, Cmd::MarketPane, Cmd::MarketSwingList,
                Cmd::MarketWhen, Cmd::MarketPlanetLevels, Cmd::MarketSwingMarks, Cmd::MarketDateCells, Separator, Cmd::MarketStartAtSwing, Cmd::MarketPriceStep}},
        {"helpMenu", QT_TRANSLATE_NOOP("Commands", "帮助"), {Cmd::CheckVersion, Cmd::LanguageMenu, Separator, Cmd::About}},
    };
    return menus;
}

const std::vector<DropDown>& DropDowns()
{
    static const std::vector<DropDown> dropDowns = {
        {Cmd::PeriodMenu, {"periodMenu", QT_TRANSLATE_NOOP("Commands", "时间周期"), IdsOf(kPeriods)}},
        {Cmd::DigitsMenu, {"digitsMenu", QT_TRANSLATE_NOOP("Commands", "小数位数"), IdsOf(kDigits)}},
    };
    return dropDowns;
}

const std::vector<DropDown>& SubMenus()
{
    static const std::vector<DropDown> subMenus = {
        {Cmd::LanguageMenu, {"languageMenu", kLanguageMenu, IdsOf(kLanguages)}},
        {Cmd::ExportCaptionMenu, {"exportCaptionMenu", kExportCaptionMenu,
            {Cmd::ExportCaptionPng, Cmd::ExportCaptionSvg, Cmd::ExportCaptionPdf}}},
    };
    return subMenus;
}

const char* const LineFlyoutToolTip = QT_TRANSLATE_NOOP("Commands", "选择【线型】：几号线");

QString Translated(const char* text)
{
    return QCoreApplication::translate("Commands", text);
}

std::vector<int> LineEntries()
{
    return IdsOf(kLines);
}

} // namespace CommandTable
