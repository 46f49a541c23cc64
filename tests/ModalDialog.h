#pragma once

#include <QApplication>
#include <QMetaObject>

#include <gtest/gtest.h>

#include <functional>

// Runs act on the modal dialog of type Dialog once its event loop runs, so
// that a dialog opened by a static entry point, a mouse handler or a command
// can be answered without blocking the test.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> act)
{
    QMetaObject::invokeMethod(
        qApp,
        [act] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no modal dialog of the expected type";
                QApplication::closeAllWindows();
                return;
            }
            act(*dialog);
        },
        Qt::QueuedConnection);
}
