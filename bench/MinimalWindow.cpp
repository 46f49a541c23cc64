// The least a Qt widgets program does before its first paint: a maximised
// window that paints white and quits, the yardstick of the start-up
// benchmark. With --text it also draws one line in the application's
// interface fonts, the least any window showing text pays: the font
// database, a Latin and a Chinese font loaded and glyphs drawn.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstring>

namespace {

class FirstPaintWindow : public QWidget {
public:
    explicit FirstPaintWindow(bool text)
        : m_text(text)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_text)
            painter.drawText(20, 40, QString::fromUtf8("文件 工具 帮助 381"));
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

private:
    bool m_text;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    if (text) {
        QFont font = app.font();
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
        app.setFont(font);
    }
    FirstPaintWindow window(text);
    window.showMaximized();
    return app.exec();
}
