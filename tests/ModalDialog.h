#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs act on the modal dialog of type Dialog once its event loop runs, so
// that a dialog opened by a static entry point, a mouse handler or a command
// can be answered without blocking the test.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog of the expected type";
            QApplication::closeAllWindows();
            return;
        }
        act(*dialog);
    });
}

inline QString Text(QWidget& dialog, const char* edit) { return dialog.findChild<QLineEdit*>(edit)->text(); }

// Replaces the text of the line edit of that name as a user types it.
inline void Type(QWidget& dialog, const char* edit, const QString& text)
{
    auto* field = dialog.findChild<QLineEdit*>(edit);
    field->clear();
    QTest::keyClicks(field, text);
}

inline void Click(QWidget& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}
