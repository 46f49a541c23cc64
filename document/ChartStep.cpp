#include "ChartStep.h"

#include <utility>

CChartStep::CChartStep(const QString& name, int kind, CChartState before, CChartState after, Apply apply)
    : QUndoCommand(name)
    , m_nKind(kind)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_apply(std::move(apply))
{
}

void CChartStep::undo() { m_apply(m_nKind, m_before); }

void CChartStep::redo() { m_apply(m_nKind, m_after); }
