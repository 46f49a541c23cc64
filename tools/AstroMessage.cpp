#include "AstroMessage.h"

#include <QGuiApplication>
#include <QMessageBox>

void ShowAstroMessage(QWidget* parent, const std::function<void(const QString&)>& hook, const std::string& message,
                      bool information)
{
    const QString text = QString::fromStdString(message);
    if (hook)
        hook(text);
    else
        QMessageBox(information ? QMessageBox::Information : QMessageBox::NoIcon,
            QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent)
            .exec();
}
