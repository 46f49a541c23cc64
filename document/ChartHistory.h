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

    // Commits what changed since the last Begin, then captures the current
    // chart; the parts of the step that pushed, if any.
    CChartState::Parts Begin(CChartSet& charts);
    // Pushes a step when the chart begun on changed; the parts it changed,
    // none when nothing was pushed.
    CChartState::Parts End(CChartSet& charts, const QString& name);
    CChartState::Parts End(CChartSet& charts, Gesture gesture);
    // Makes a step of a change in progress (a drag that has moved), so that
    // no other change takes it in.
    CChartState::Parts Commit(CChartSet& charts);

    // Undo and redo first commit a change in progress, which they then undo
    // or keep going from what they leave.
    void Undo(CChartSet& charts);
    void Redo(CChartSet& charts);
    // A fresh history, for a new or opened set.
    void Clear();

    // The steps, each named (QUndoStack::undoText) for what it did.
    const QUndoStack& Stack() const { return m_stack; }
    // Enough for an afternoon's work; each step keeps only what it changed.
    static constexpr int kLimit = 100;

private:
    // The parts changed since Begin, the chart's layout settled; none when
    // nothing was begun or nothing changed.
    CChartState::Parts Changes(CChartSet& charts);
    void Push(CChartSet& charts, CChartState::Parts changes, const QString& name);
    void Capture(const CChartSet& charts);
    static QString MouseStepName(Gesture gesture, CChartState::Parts changes, MouseTool tool);

    struct Pending {
        int kind;
        CChartState before;
    };
    CChartStep::Apply m_apply;
    QUndoStack m_stack;
    std::optional<Pending> m_pending;
};
