#pragma once

#include "OleDateTimeEx.h"

#include <QLineEdit>

class QCalendarWidget;
class QDate;

// A date field: a line edit with a drop-down month calendar. It holds a date
// with its validity and shows it as "2012/03/05"; an invalid value shows an
// empty field. Typed text is read by the date parser in date-only mode, so
// "next friday" or "3 weeks ago" work as well as "2012/03/05"; text that
// names no date stays as typed and reads as an invalid value. The field
// holds the day alone, at 00:00, so that arithmetic on it counts the days
// the user sees.
class CDateTimeEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CDateTimeEdit(QWidget* parent = nullptr);

    // Shows the date of value, or an empty field when value is invalid.
    void SetValue(const COleDateTimeEx& value);
    // The date shown, reading the text when it changed since it was last read.
    COleDateTimeEx Value() const;

    // Drops the month calendar below the field, on the date it holds.
    void ShowCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Reads the typed text once editing ends; a date is shown in the
    // field's own format, other text is left for the user to correct.
    void ReadTypedText();
    // The value in the field's format; empty when invalid.
    void ShowValue();
    void PickDate(const QDate& date);
    QCalendarWidget* Calendar();

    COleDateTimeEx m_value = COleDateTimeEx::Invalid();
    bool m_bTextUnread = false;
    QCalendarWidget* m_pCalendar = nullptr;
};
