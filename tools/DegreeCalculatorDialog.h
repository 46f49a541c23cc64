#pragma once

#include "DateSpanGroup.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;

// The modeless degree calculator "计算器". Its 角度 section turns a price or
// time count P into its carl, daniel, 360 and 24 angles; its 时间 section
// is the date arithmetic start + span = end. Closing it, OK and Cancel only
// hide it, so it keeps its contents until it is shown again.
class CDegreeCalculator : public QDialog {
    Q_OBJECT

public:
    explicit CDegreeCalculator(QWidget* parent = nullptr);

    // Sends messages to hook instead of message boxes.
    void SetMessageHook(CDateSpanGroup::MessageHook hook) { m_pTime->SetMessageHook(std::move(hook)); }

    // Reads P and shows its four angles; text that is not a number gets
    // "Enter a number." and leaves the angles as they were.
    void ComputeAngles();

private:
    QGroupBox* BuildAngleSection();
    QLabel* NewAngleLabel(const char* name);
    QLayout* BuildButtonRow();

    QLineEdit* m_pP = nullptr;
    QLabel* m_pCarl = nullptr;
    QLabel* m_pDaniel = nullptr;
    QLabel* m_pCircle = nullptr;
    QLabel* m_pDial = nullptr;
    CDateSpanGroup* m_pTime = nullptr;
};
