#pragma once

#include <QDate>

#include <vector>

class QDateEdit;
class QWidget;

// The small controls the market's docks build alike.
namespace DockControls {

// widgets side by side at their own width from the left, in a widget of
// their own.
QWidget* Row(const std::vector<QWidget*>& widgets);
// A date field, YYYY-MM-DD with a calendar to drop down.
QDateEdit* DateField(const QDate& date, const char* objectName);

} // namespace DockControls
