#pragma once

// Command ids of the menus, toolbars and accelerators. The main frame builds
// one action per id; the chart view handles its ids first (CRotula2View::
// OnCommand), the application the rest.
namespace Cmd {
constexpr int ZoomIn = 32771;
constexpr int ZoomOut = 32773;
constexpr int ChartProperties = 32774;
constexpr int KindSquareOfNine = 32775;
constexpr int KindHexagon = 32776;
constexpr int KindSquareOfFour = 32777;
constexpr int KindWheel = 32778;
constexpr int KindMasterChart = 32779;
constexpr int PaletteFirst = 32780; // palette swatches 32780-32793
constexpr int PaletteLast = 32793;
constexpr int Line1 = 32794;        // line numbers 32794-32797
constexpr int Line4 = 32797;
constexpr int CalendarRing = 32799;
constexpr int AngleRing = 32800;
constexpr int ShowTime = 32801;
constexpr int ShowN = 32802;
constexpr int ShowPrice = 32804;
constexpr int Clockwise = 32805;
constexpr int Divisions = 32806;
constexpr int Squares = 32807;
constexpr int Triangle = 32808;
constexpr int ToolLine = 32809;     // mouse tools 32809-32816 = tools 1-8
constexpr int ToolArrow = 32810;
constexpr int ToolTangent = 32814;
constexpr int ToolCircle = 32815;
constexpr int ToolSquare = 32816;
constexpr int TimeStandard = 32821;
constexpr int ClearDrawings = 32822;
constexpr int PeriodDay = 32824;
constexpr int PeriodWeek = 32825;
constexpr int PeriodMonth = 32826;
constexpr int PeriodMenu = 32827;
constexpr int Digits0 = 32828;      // decimal digits 32828-32833 = 0-5
constexpr int Digits5 = 32833;
constexpr int DigitsMenu = 32834;
constexpr int PlaceNote = 32839;
constexpr int Astrology = 32840;
constexpr int DegreeCalculator = 32841;
constexpr int TimeCalculator = 32842;
constexpr int Repaint = 32843;
constexpr int CheckVersion = 32845;
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int PrintSetup = 57606;
constexpr int Print = 57607;
constexpr int PrintDirect = 57608;
constexpr int PrintPreview = 57609;
constexpr int About = 57664;
constexpr int Exit = 57665;
} // namespace Cmd
