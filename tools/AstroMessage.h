#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

// A message of the astrology dialogs, with the report's icon rule (an
// information or no icon): through the hook tests set, else in a box.
void ShowAstroMessage(QWidget* parent, const std::function<void(const QString&)>& hook, const std::string& message,
                      bool information);
