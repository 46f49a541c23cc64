#include "BenchScene.h"

#include "BaseDraw.h"
#include "ChartKinds.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int kFills = 1000;
constexpr int kLines = 1000;
constexpr int kNotes = 200;
constexpr std::int64_t kStartTime = 1325174400; // 2011-12-30, so the dates cross a year

const Color kMarkColors[] = {Colors::Red, Colors::Blue, Colors::Green, Colors::DarkRed, Colors::Grey};

// The i-th of n cells spread over 1..cells by a stride prime to most counts.
int SpreadCell(long long i, long long stride, long long cells) { return static_cast<int>(1 + (i * stride) % cells); }

void AddFills(CBaseDraw& chart, long long cells)
{
    for (int i = 0; i < kFills; ++i) {
        Cell_Style style;
        style.m_crColor = kMarkColors[i % 5];
        style.m_bCircle = i % 2 == 0;
        chart.m_FillCells[SpreadCell(i, 7919, cells)] = style;
    }
}

void AddLines(CBaseDraw& chart, long long cells)
{
    for (int i = 0; i < kLines; ++i) {
        CLine line;
        line.m_nWidth = 1 + i % 3;
        line.m_crColor = kMarkColors[(i + 2) % 5];
        line.m_bArrow = i % 4 == 0;
        line.m_nStartCell = SpreadCell(i, 7919, cells);
        line.m_nEndCell = SpreadCell(i + 17, 104729, cells);
        if (line.m_nEndCell == line.m_nStartCell)
            line.m_nEndCell = static_cast<int>(line.m_nStartCell % cells + 1);
        char key[32];
        std::snprintf(key, sizeof key, "%d/%d", line.m_nStartCell, line.m_nEndCell);
        chart.m_Lines.emplace(key, line);
    }
}

void AddNotes(CBaseDraw& chart, long long cells)
{
    for (int i = 0; i < kNotes; ++i) {
        Comments note;
        note.m_strText = "Note " + std::to_string(i) + "\n支撑位";
        note.m_crBack = Colors::LightYellow;
        note.m_crText = kMarkColors[i % 5];
        note.m_nHeight = -12;
        note.m_nWeight = 400;
        note.m_strFace = "DejaVu Sans";
        chart.m_Comments.emplace(SpreadCell(i, 6151, cells), note);
    }
}

} // namespace

std::vector<int> BenchRings(const ChartKind& kind) { return {kind.defaultRings, 40}; }

std::unique_ptr<CBaseDraw> MakeBenchChart(const ChartKind& kind, int rings)
{
    std::unique_ptr<CBaseDraw> chart = kind.create();
    chart->SetRings(rings);
    chart->m_rcClient = {50, 50, 1950, 1950};
    chart->m_fZoom = 1.0f;
    chart->m_tStartTime = kStartTime;
    chart->m_bShowPrice = chart->m_bShowTime = chart->m_bShowN = true;
    chart->m_bShowCalendarRing = chart->m_bShowAngleRing = true;
    chart->m_bShowTriangle = chart->m_bShowSquares = chart->m_bShowDivisions = 1;
    const long long cells = kind.cellCount(rings);
    AddFills(*chart, cells);
    AddLines(*chart, cells);
    AddNotes(*chart, cells);
    return chart;
}
