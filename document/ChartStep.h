#pragma once

#include "ChartState.h"

#include <QUndoCommand>

#include <functional>

// One undoable change to the chart of one kind: the parts it changed, as
// they were and as they became. Undo and redo hand one of them to the
// window, which shows that chart and sets them; the first redo, when the
// step is pushed, sets what is already there.
class CChartStep : public QUndoCommand {
public:
    using Apply = std::function<void(int kind, const CChartState& state)>;

    CChartStep(const QString& name, int kind, CChartState before, CChartState after, Apply apply);

    void undo() override;
    void redo() override;

private:
    int m_nKind;
    CChartState m_before;
    CChartState m_after;
    Apply m_apply;
};
