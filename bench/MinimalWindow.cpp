// The least a Qt widgets program does before its first paint: a maximised
// window that paints white and quits, the yardstick of the start-up benchmark.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class FirstPaintWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.showMaximized();
    return app.exec();
}
