#include "ChartSet.h"

#include "ChartFile.h"

#include <utility>

CChartSet::CChartSet() { New(); }

void CChartSet::SetViewGeometry(Size canvas, Rect chartRect)
{
    m_szCanvas = canvas;
    m_rcChart = chartRect;
}

void CChartSet::New()
{
    m_slots.Clear();
    m_strPath.clear();
    m_pCurrent = nullptr;
    m_nKind = kNoChartKind;
    SwitchKind(kSquareOfNine);
}

Result<void> CChartSet::Open(const std::string& path)
{
    Result<CChartSlots> loaded = ChartFile::Load(path);
    if (!loaded.Ok())
        return Failure {"Failed to open document. " + loaded.Message()};
    m_slots = std::move(loaded.Value());
    for (const int kind : CChartSlots::kFileOrder)
        if (CBaseDraw* chart = m_slots.Chart(kind))
            GiveViewGeometry(*chart);
    m_strPath = path;
    m_pCurrent = nullptr;
    m_nKind = kNoChartKind;
    SwitchKind(kSquareOfNine);
    return {};
}

Result<void> CChartSet::Save(const std::string& path)
{
    Result<void> saved = ChartFile::Save(m_slots, path);
    if (!saved.Ok())
        return Failure {"Failed to save document. " + saved.Message()};
    m_strPath = path;
    return saved;
}

CBaseDraw& CChartSet::SwitchKind(int kind)
{
    if (kind == m_nKind && m_pCurrent)
        return *m_pCurrent;
    const bool created = !m_slots.Chart(kind);
    CBaseDraw& chart = m_slots.Ensure(kind);
    if (created)
        GiveViewGeometry(chart);
    m_nKind = kind;
    m_pCurrent = &chart;
    return chart;
}

void CChartSet::GiveViewGeometry(CBaseDraw& chart) const
{
    chart.m_rcClient = m_rcChart;
    chart.m_szCanvas = m_szCanvas;
}
