#pragma once

#include "ChartSlots.h"
#include "Geometry.h"
#include "Result.h"

#include <string>

// The chart set of one window: at most one chart of each kind, the current
// chart and its kind, and the path of the chart file last opened or saved.
// The view owns it, supplies the canvas and chart rectangle, asks the user
// for paths, and copies display state in and out of the current chart.
class CChartSet {
public:
    // Starts as after New: one fresh Square of Nine, no path.
    CChartSet();

    // The view's canvas size and chart rectangle, given to each chart the
    // set creates or loads.
    void SetViewGeometry(Size canvas, Rect chartRect);

    // Drops every chart and the path, then shows a fresh Square of Nine.
    void New();
    // Reads the chart file at path and shows its Square of Nine (a fresh one
    // if it has none). On failure the set is left as it was.
    Result<void> Open(const std::string& path);
    // Writes every chart to path, which becomes the document path. A success
    // may carry a warning for the user; on failure the file at path is
    // unchanged.
    Result<void> Save(const std::string& path);

    // Makes the chart of that kind current, creating it with the kind's
    // defaults if its slot is empty.
    CBaseDraw& SwitchKind(int kind);

    CBaseDraw* Current() const { return m_pCurrent; }
    int Kind() const { return m_nKind; }
    const std::string& Path() const { return m_strPath; }
    CBaseDraw* Chart(int kind) const { return m_slots.Chart(kind); }
    const CChartSlots& Slots() const { return m_slots; }

private:
    void GiveViewGeometry(CBaseDraw& chart) const;

    CChartSlots m_slots;
    int m_nKind = kNoChartKind;
    CBaseDraw* m_pCurrent = nullptr;
    std::string m_strPath;
    Size m_szCanvas;
    Rect m_rcChart;
};
