// GoogleTest's main for the tests that paint through Qt or open widgets:
// they need an application object first. A test with a main of its own keeps
// it, since the linker takes this one only where no other is defined. The
// settings the window keeps go to a folder of the run's own.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
