#pragma once

#include "ChartRecords.h"

#include <cstdint>
#include <map>
#include <string>

// What a chart file keeps of one chart, and nothing else: the chart
// properties, the annotations, the overlays and outer rings with their
// switches, angles and radii, the label switches and the zoom. It is the
// only part of a chart that is saved, captured for undo and compared for
// unsaved work; StoredFields.h lists every member once, with its place in
// the file and its undo part. The zoom is here because the file keeps it,
// though it is the view's setting and no edit.
//
// A plain aggregate, so that a test can count its members against that list.
struct StoredChartData {
    int m_nRings = 0;
    float m_fStartPrice = 1.0f;
    float m_fPriceStep = 1.0f;
    int m_nNaturalDecimals = 0;
    int m_nDecimals = 2;
    std::int64_t m_tStartTime = 0;
    int m_nTimeStep = 1;
    std::map<int, Cell_Style> m_FillCells;
    std::map<int, Cell_Style> m_TangentCells;
    std::multimap<std::string, CLine> m_Lines;
    std::multimap<int, Comments> m_Comments;
    float m_fZoom = 0.6f;
    int m_bCalendarForward = 1;
    bool m_bShowCalendarRing = false;
    int m_bAngleForward = 1;
    bool m_bShowAngleRing = false;
    float m_fCalendarAngle = 0.0f;
    float m_fAngleRingAngle = 0.0f;
    bool m_bShowPrice = true;
    bool m_bShowTime = false;
    bool m_bShowN = false;
    bool m_bTimeStandard = false;
    bool m_bClockwise = false;
    int m_bShowSquares = 0;
    float m_fSquaresAngle = 0.0f;
    float m_fSquaresRadius = 0.0f;
    int m_bShowTriangle = 0;
    float m_fTriangleAngle = 0.0f;
    float m_fTriangleRadius = 0.0f;
    int m_nDivisions = 16;
    int m_bShowDivisions = 0;
    float m_fDivisionsAngle = 0.0f;
    float m_fDivisionsRadius = 0.0f;
};
