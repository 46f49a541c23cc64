#include "UnsavedWork.h"

#include "ChartFile.h"
#include "ChartSet.h"

#include <vector>

void CUnsavedWork::MarkSaved(const CChartSet& charts) { m_savedValid = BytesWithoutZoom(charts, m_saved); }

bool CUnsavedWork::Differs(const CChartSet& charts) const
{
    std::string now;
    return !m_savedValid || !BytesWithoutZoom(charts, now) || now != m_saved;
}

bool CUnsavedWork::BytesWithoutZoom(const CChartSet& charts, std::string& bytes)
{
    std::vector<std::pair<CBaseDraw*, float>> zooms;
    for (const int kind : CChartSlots::kFileOrder) {
        if (CBaseDraw* chart = charts.Chart(kind)) {
            zooms.emplace_back(chart, chart->m_fZoom);
            chart->m_fZoom = 1.0f;
        }
    }
    Result<std::string> written = ChartFile::ToBytes(charts.Slots());
    for (const auto& [chart, zoom] : zooms)
        chart->m_fZoom = zoom;
    if (written.Ok())
        bytes = std::move(written.Value());
    return written.Ok();
}
