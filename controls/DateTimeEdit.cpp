#include "DateTimeEdit.h"

#include "DateClock.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

namespace {

const char* const kDisplayFormat = "%Y/%m/%d";

// The day a text names in date-only mode, at 00:00, or the invalid value.
COleDateTimeEx ReadDate(const QString& text)
{
    COleDateTimeEx value;
    value.ParseDateTime(text.toStdString(), COleDateTimeEx::ParseDateValueOnly);
    return value.DatePart();
}

// The arrow of the style's drop-down lists, for the button that drops the
// calendar.
QIcon DropDownIcon(const QWidget* widget)
{
    const int size = widget->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, widget);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.initFrom(widget);
    option.rect = pixmap.rect();
    widget->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, widget);
    return QIcon(pixmap);
}

QDate ToQDate(const COleDateTime& value)
{
    return QDate(value.GetYear(), value.GetMonth(), value.GetDay());
}

} // namespace

CDateTimeEdit::CDateTimeEdit(QWidget* parent)
    : QLineEdit(parent)
{
    QAction* drop = addAction(DropDownIcon(this), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &CDateTimeEdit::ShowCalendar);
    connect(this, &QLineEdit::textChanged, this, [this] { m_bTextUnread = true; });
    connect(this, &QLineEdit::editingFinished, this, &CDateTimeEdit::ReadTypedText);
}

void CDateTimeEdit::SetValue(const COleDateTimeEx& value)
{
    m_value = value.DatePart();
    ShowValue();
}

COleDateTimeEx CDateTimeEdit::Value() const
{
    return m_bTextUnread ? ReadDate(text()) : m_value;
}

void CDateTimeEdit::ShowCalendar()
{
    QCalendarWidget* calendar = Calendar();
    const COleDateTime shown = Value();
    calendar->setSelectedDate(ToQDate(shown.GetStatus() == COleDateTime::valid ? shown : CDateClock::Now()));
    calendar->adjustSize();
    QRect place(mapToGlobal(QPoint(0, height())), calendar->size());
    // Above the field when the screen ends below it.
    const QRect screenArea = screen()->availableGeometry();
    if (place.bottom() > screenArea.bottom())
        place.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
    calendar->move(place.topLeft());
    calendar->show();
    calendar->setFocus();
}

void CDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || event->key() == Qt::Key_F4) {
        ShowCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CDateTimeEdit::ReadTypedText()
{
    if (!m_bTextUnread)
        return;
    m_value = ReadDate(text());
    m_bTextUnread = false;
    if (m_value.IsValid())
        ShowValue();
}

void CDateTimeEdit::ShowValue()
{
    setText(QString::fromStdString(m_value.Format(kDisplayFormat)));
    m_bTextUnread = false;
}

void CDateTimeEdit::PickDate(const QDate& date)
{
    SetValue(COleDateTimeEx(date.year(), date.month(), date.day()));
    m_pCalendar->hide();
    setFocus();
}

QCalendarWidget* CDateTimeEdit::Calendar()
{
    if (m_pCalendar)
        return m_pCalendar;
    m_pCalendar = new QCalendarWidget(this);
    m_pCalendar->setObjectName("calendar");
    m_pCalendar->setWindowFlags(Qt::Popup);
    // The years the date value covers.
    m_pCalendar->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    m_pCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(m_pCalendar, &QCalendarWidget::clicked, this, &CDateTimeEdit::PickDate);
    connect(m_pCalendar, &QCalendarWidget::activated, this, &CDateTimeEdit::PickDate);
    return m_pCalendar;
}
