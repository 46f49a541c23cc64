#include "CommandTable.h"

#include "CommandIds.h"

#include <algorithm>

namespace CommandTable {

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {Cmd::FileNew, "新建", "新建", "new", "Ctrl+N"},
        {Cmd::FileOpen, "打开...", "打开", "open", "Ctrl+O"},
        {Cmd::FileSave, "保存", "保存", "save", "Ctrl+S"},
        {Cmd::FileSaveAs, "另存为...", "", "", "Ctrl+Shift+S"},
        {Cmd::Print, "打印...", "打印", "print", "Ctrl+P"},
        {Cmd::PrintPreview, "打印预览", "", "", ""},
        {Cmd::Exit, "退出", "", "", ""},
        {Cmd::Astrology, "星象", "", "", ""},
        {Cmd::DegreeCalculator, "计算器", "", "", ""},
        {Cmd::TimeCalculator, "时间计算器", "", "", ""},
        {Cmd::CheckVersion, "检查新版本...", "", "", ""},
        {Cmd::About, "关于 Quadrix...", "", "", ""},

        {Cmd::KindWheel, "24 轮子", "", "kind_wheel", ""},
        {Cmd::KindSquareOfNine, "九方图", "", "kind_nine", ""},
        {Cmd::KindSquareOfFour, "四方图", "", "kind_four", ""},
        {Cmd::KindHexagon, "六方图", "", "kind_hexagon", ""},
        {Cmd::KindMasterChart, "数字表", "", "kind_master", ""},
        {Cmd::ChartProperties, "图表属性设置", "", "properties", ""},

        {Cmd::CalendarRing, "显示【日历】外环", "", "ring_calendar", ""},
        {Cmd::AngleRing, "显示【角度】外环", "", "ring_angle", ""},
        {Cmd::ShowPrice, "显示【价格】", "", "show_price", ""},
        {Cmd::ShowTime, "显示【时间】", "", "show_time", ""},
        {Cmd::ShowN, "显示【N】", "", "show_n", ""},
        {Cmd::TimeStandard, "Orvo时间标准图", "", "time_standard", ""},
        {Cmd::PeriodMenu, "选择【周期】", "", "period", ""},
        {Cmd::DigitsMenu, "选择价格的【小数位数】", "", "digits", ""},
        {Cmd::Clockwise, "顺时针", "", "clockwise", ""},
        {Cmd::ZoomIn, "放大", "", "zoom_in", ""},
        {Cmd::ZoomOut, "缩小", "", "zoom_out", ""},

        {Cmd::Squares, "4方", "", "squares", ""},
        {Cmd::Triangle, "三角", "", "triangle", ""},
        {Cmd::Divisions, "8分", "", "divisions", ""},
        {Cmd::ToolLine, "画 直线", "", "tool_line", ""},
        {Cmd::ToolArrow, "画 箭头线", "", "tool_arrow", ""},
        {Cmd::ToolTangent, "画 切线", "", "tool_tangent", ""},
        {Cmd::ToolCircle, "【圆形】填充点击的单元格", "", "tool_circle", ""},
        {Cmd::ToolSquare, "【正方形】填充点击的单元格", "", "tool_square", ""},
        {Cmd::PlaceNote, "添加注释", "", "note", ""},
        {Cmd::ClearDrawings, "清除所有画线", "", "clear", ""},

        {Cmd::PeriodDay, "日", "", "", ""},
        {Cmd::PeriodWeek, "周", "", "", ""},
        {Cmd::PeriodMonth, "月", "", "", ""},
        {Cmd::Digits0, "0", "", "", ""},
        {Cmd::Digits0 + 1, "1", "", "", ""},
        {Cmd::Digits0 + 2, "2", "", "", ""},
        {Cmd::Digits0 + 3, "3", "", "", ""},
        {Cmd::Digits0 + 4, "4", "", "", ""},
        {Cmd::Digits5, "5", "", "", ""},

        {Cmd::Line1, "1 号线", "", "line1", ""},
        {Cmd::Line1 + 1, "2 号线", "", "line2", ""},
        {Cmd::Line1 + 2, "3 号线", "", "line3", ""},
        {Cmd::Line4, "4 号线", "", "line4", ""},
    };
    return commands;
}

const Command* Find(int id)
{
    const std::vector<Command>& all = Commands();
    const auto it = std::find_if(all.begin(), all.end(), [id](const Command& c) { return c.id == id; });
    return it == all.end() ? nullptr : &*it;
}

const std::vector<Group>& ToolBars()
{
    static const std::vector<Group> bars = {
        {"standardToolBar", "标准", {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Separator, Cmd::Print}},
        {"chartToolBar", "图表",
            {Cmd::KindWheel, Cmd::KindSquareOfNine, Cmd::KindSquareOfFour, Cmd::KindHexagon, Cmd::KindMasterChart,
                Separator, Cmd::ChartProperties}},
        {"displayToolBar", "显示",
            {Cmd::CalendarRing, Cmd::AngleRing, Separator, Cmd::ShowPrice, Cmd::ShowTime, Cmd::ShowN, Cmd::TimeStandard,
                Cmd::PeriodMenu, Cmd::DigitsMenu, Cmd::Clockwise, Separator, Cmd::ZoomIn, Cmd::ZoomOut}},
        {"drawingToolBar", "画线",
            {Cmd::Squares, Cmd::Triangle, Cmd::Divisions, Separator, Cmd::ToolLine, Cmd::ToolArrow, Cmd::ToolTangent,
                Cmd::ToolCircle, Cmd::ToolSquare, Cmd::PlaceNote, Cmd::ClearDrawings}},
    };
    return bars;
}

const std::vector<Group>& Menus()
{
    static const std::vector<Group> menus = {
        {"fileMenu", "文件",
            {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAs, Separator, Cmd::Print, Cmd::PrintPreview,
                Cmd::Exit}},
        {"toolsMenu", "工具", {Cmd::Astrology, Cmd::DegreeCalculator, Cmd::TimeCalculator}},
        {"helpMenu", "帮助", {Cmd::CheckVersion, Cmd::About}},
    };
    return menus;
}

const std::vector<DropDown>& DropDowns()
{
    static const std::vector<DropDown> dropDowns = {
        {Cmd::PeriodMenu, {"periodMenu", "时间周期", {Cmd::PeriodDay, Cmd::PeriodWeek, Cmd::PeriodMonth}}},
        {Cmd::DigitsMenu,
            {"digitsMenu", "小数位数",
                {Cmd::Digits0, Cmd::Digits0 + 1, Cmd::Digits0 + 2, Cmd::Digits0 + 3, Cmd::Digits0 + 4, Cmd::Digits5}}},
    };
    return dropDowns;
}

const char* const LineFlyoutToolTip = "选择【线型】：几号线";

std::vector<int> LineEntries()
{
    return {Cmd::Line1, Cmd::Line1 + 1, Cmd::Line1 + 2, Cmd::Line4};
}

} // namespace CommandTable
