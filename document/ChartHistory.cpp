#include "ChartHistory.h"

#include "BaseDraw.h"
#include "ChartSet.h"

#include <utility>

CChartHistory::CChartHistory(CChartStep::Apply apply)
    : m_apply(std::move(apply))
{
    m_stack.setUndoLimit(kLimit);
}

CChartState::Parts CChartHistory::Begin(CChartSet& charts)
{
    const CChartState::Parts committed = Commit(charts);
    Capture(charts);
    return committed;
}

void CChartHistory::Capture(const CChartSet& charts)
{
    m_pending = Pending {charts.Kind(), CChartState::Capture(*charts.Current())};
}

CChartState::Parts CChartHistory::Commit(CChartSet& charts) { return End(charts, Gesture::Left); }

CChartState::Parts CChartHistory::End(CChartSet& charts, const QString& name)
{
    const CChartState::Parts changes = Changes(charts);
    if (changes.any())
        Push(charts, changes, name);
    return changes;
}

CChartState::Parts CChartHistory::End(CChartSet& charts, Gesture gesture)
{
    const CChartState::Parts changes = Changes(charts);
    if (changes.any())
        Push(charts, changes, MouseStepName(gesture, changes, charts.Chart(m_pending->kind)->m_nTool));
    return changes;
}

CChartState::Parts CChartHistory::Changes(CChartSet& charts)
{
    CBaseDraw* chart = m_pending ? charts.Chart(m_pending->kind) : nullptr;
    if (!chart || m_pending->before.Differing(CChartState::Capture(*chart)).none())
        return {};
    chart->UpdateLayout();
    return m_pending->before.Differing(CChartState::Capture(*chart));
}

// The change goes on from what the step leaves, so that a release after a
// press that already made a step adds nothing.
void CChartHistory::Push(CChartSet& charts, CChartState::Parts changes, const QString& name)
{
    const int kind = m_pending->kind;
    CChartState before = std::move(m_pending->before);
    CChartState after = CChartState::Capture(*charts.Chart(kind));
    m_pending->before = after;
    before.Keep(changes);
    after.Keep(changes);
    m_stack.push(new CChartStep(name, kind, std::move(before), std::move(after), m_apply));
}

void CChartHistory::Undo(CChartSet& charts)
{
    Commit(charts);
    m_stack.undo();
    Capture(charts);
}

void CChartHistory::Redo(CChartSet& charts)
{
    Commit(charts);
    m_stack.redo();
    Capture(charts);
}

void CChartHistory::Clear()
{
    m_stack.clear();
    m_pending.reset();
}

QString CChartHistory::MouseStepName(Gesture gesture, CChartState::Parts changes, MouseTool tool)
{
    using Part = CChartState::Part;
    if (changes[Part::Notes])
        return gesture == Gesture::Left ? tr("添加注释") : gesture == Gesture::Right ? tr("删除注释") : tr("编辑注释");
    if (changes[Part::RingDirections])
        return tr("反转外环");
    if (gesture == Gesture::Right)
        return changes[Part::Lines] ? tr("删除画线") : tr("删除标记");
    if (changes[Part::Lines])
        return tool == MouseTool::Arrow ? tr("画箭头") : tr("画线");
    if (changes[Part::Marks])
        return tool == MouseTool::Tangent ? tr("切线标记") : tr("填充单元格");
    return changes[Part::RingAngles] ? tr("拖动外环") : tr("拖动叠加图");
}
