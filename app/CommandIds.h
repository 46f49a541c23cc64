#pragma once

// Command ids of the menus, toolbars and drop-down menus: the key of each
// row of the command table (CommandTable.h) and of the action built from it.
namespace Cmd {
constexpr int ZoomIn = 32771;
constexpr int ZoomOut = 32773;
constexpr int ChartProperties = 32774;
constexpr int KindSquareOfNine = 32775;
constexpr int KindHexagon = 32776;
constexpr int KindSquareOfFour = 32777;
constexpr int KindWheel = 32778;
constexpr int KindMasterChart = 32779;
constexpr int Line1 = 32794;
constexpr int Line2 = 32795;
constexpr int Line3 = 32796;
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
constexpr int ToolLine = 32809;
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
constexpr int Digits0 = 32828;
constexpr int Digits1 = 32829;
constexpr int Digits2 = 32830;
constexpr int Digits3 = 32831;
constexpr int Digits4 = 32832;
constexpr int Digits5 = 32833;
constexpr int DigitsMenu = 32834;
constexpr int PlaceNote = 32839;
constexpr int Astrology = 32840;
constexpr int DegreeCalculator = 32841;
constexpr int TimeCalculator = 32842;
constexpr int CheckVersion = 32845;
constexpr int ZoomToFit = 32850;
constexpr int ZoomActualSize = 32851;
constexpr int RecentFiles = 32860;
constexpr int ExportPicture = 32880;
constexpr int ExportCellTable = 32881;
constexpr int CopyChart = 32882;
constexpr int EditUndo = 32890;
constexpr int EditRedo = 32891;
constexpr int Find = 32910;
constexpr int ToolTarget = 32911;
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int About = 57664;
constexpr int Exit = 57665;
} // namespace Cmd
