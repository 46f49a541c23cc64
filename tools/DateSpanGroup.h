#pragma once

#include "DateSpanArithmetic.h"

#include <QMessageBox>
#include <QWidget>

#include <functional>
#include <memory>

class CDateTimeEdit;
class CTradingDays;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The date arithmetic of both calculators on one line, start "+" span unit
// "=" end, with a "计算" button under the start, the span and the end that
// computes that field from the other two. Choosing another unit recomputes
// the span. A computation that cannot run says why in a message box and
// leaves every field as it was, with the focus on the field to correct.
// Trading days are weekdays less the holidays of a file chosen under the
// line ("节假日文件…"), or weekdays alone while none is.
class CDateSpanGroup : public QWidget {
    Q_OBJECT

public:
    using MessageHook = std::function<void(QMessageBox::Icon, const QString&)>;

    // askForSpan: an empty span field gets "You must input timespan..."
    // rather than the message for text that is not an integer.
    explicit CDateSpanGroup(bool askForSpan, QWidget* parent = nullptr);

    // Sends messages to hook instead of message boxes.
    void SetMessageHook(MessageHook hook) { m_showMessage = std::move(hook); }
    // A message box over the dialog, or the hook when one is set.
    void ShowMessage(QMessageBox::Icon icon, const QString& text);

    void ComputeSpan();
    void ComputeStart();
    void ComputeEnd();
    // Reads the holidays the trading days skip from path (one date
    // YYYY-MM-DD a line); a file that cannot be read says why and leaves the
    // holidays as they were.
    bool ReadHolidays(const QString& path);

private:
    QPushButton* NewComputeButton(const char* name, void (CDateSpanGroup::*compute)());
    void ChooseHolidays();
    DateSpanArithmetic::SpanUnit Unit() const;
    // Shows the message of a failed computation and focuses its field;
    // returns whether the computation succeeded.
    bool Succeeded(const DateSpanArithmetic::Outcome& outcome);

    bool m_bAskForSpan = false;
    MessageHook m_showMessage;
    CDateTimeEdit* m_pStart = nullptr;
    QLineEdit* m_pSpan = nullptr;
    QComboBox* m_pUnit = nullptr;
    CDateTimeEdit* m_pEnd = nullptr;
    QLabel* m_pHolidayFile = nullptr;
    std::shared_ptr<const CTradingDays> m_trading;
};
