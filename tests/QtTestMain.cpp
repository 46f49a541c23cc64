// GoogleTest's main for the tests that paint through Qt or open widgets:
// they need an application object first. A test with a main of its own keeps
// it, since the linker takes this one only where no other is defined.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
