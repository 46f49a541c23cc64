#pragma once

#include "DateSpanGroup.h"

#include <QDialog>

// The modeless time calculator "时间计算器": the date arithmetic of the
// degree calculator alone, start + span = end. Closing it only hides it, so
// it keeps its contents until it is shown again.
class CTimeCalculator : public QDialog {
    Q_OBJECT

public:
    explicit CTimeCalculator(QWidget* parent = nullptr);

    // Sends messages to hook instead of message boxes.
    void SetMessageHook(CDateSpanGroup::MessageHook hook) { m_pTime->SetMessageHook(std::move(hook)); }

private:
    CDateSpanGroup* m_pTime = nullptr;
};
