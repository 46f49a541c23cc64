#pragma once

#include "ChartState.h"
#include "ChartStep.h"
#include "MouseTool.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <optional>

class CChartSet;

// The undo history of a chart set. A change is bracketed: Begin captures the
// current chart, End compares it with what it is now and pushes one step
// holding only the parts that differ, named for what happened. Between them
// anything may happen (a whole drag from press to release is one step).
class CChartHistory {
    Q_DECLARE_TR_FUNCTIONS(CChartHistory)

public:
    // What a mouse step was made with; its name follows from it, the parts
    // it changed and the chart's tool.
    enum class Gesture { Left, DoubleClick, Right };

    // apply shows the chart of a kind and sets a state into it.
    explicit CChartHistory(CChartStep::Apply apply);

    void Begin(const CChartSet& charts);
    // Pushes a step when the chart begun on changed; true when one was pushed.
    bool End(CChartSet& charts, const QString& name);
    bool End(CChartSet& charts, Gesture gesture);

    // Undo and redo keep a change in progress going from what they leave.
    void Undo(const CChartSet& charts);
    void Redo(const CChartSet& charts);
    // A fresh history, for a new or opened set.
    void Clear();

    // The name of the step that an undo or redo would take, empty for none.
    QString UndoName() const { return m_stack.undoText(); }
    QString RedoName() const { return m_stack.redoText(); }
    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    // Enough for an afternoon's work; each step keeps only what it changed.
    static constexpr int kLimit = 100;

private:
    // The parts changed since Begin, the chart's values settled as a paint
    // leaves them; none when nothing was begun or nothing changed.
    CChartState::Parts Changes(CChartSet& charts);
    void Push(CChartSet& charts, CChartState::Parts changes, const QString& name);
    static QString MouseStepName(Gesture gesture, CChartState::Parts changes, MouseTool tool);

    struct Pending {
        int kind;
        CChartState before;
    };
    CChartStep::Apply m_apply;
    QUndoStack m_stack;
    std::optional<Pending> m_pending;
};
