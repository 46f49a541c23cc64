#include "DockControls.h"

#include <QDateEdit>
#include <QHBoxLayout>

namespace DockControls {

QWidget* Row(const std::vector<QWidget*>& widgets)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return row;
}

QDateEdit* DateField(const QDate& date, const char* objectName)
{
    auto* field = new QDateEdit(date);
    field->setObjectName(objectName);
    field->setDisplayFormat("yyyy-MM-dd");
    field->setCalendarPopup(true);
    return field;
}

} // namespace DockControls
