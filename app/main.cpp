#include "Rotula2App.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

// With QUADRIX_QUIT_AFTER_FIRST_PAINT set, the application quits as soon as
// the chart view has painted once, so that start-up can be timed from outside.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The view paints into its viewport; the quit runs once this paint is done.
        if (event->type() == QEvent::Paint && watched->parent() && watched->parent()->inherits("CRotula2View"))
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    CRotula2App app(argc, argv);
    QuitAfterFirstPaint quitAfterFirstPaint;
    if (qEnvironmentVariableIsSet("QUADRIX_QUIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&quitAfterFirstPaint);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Square and wheel charts for market analysts."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("Chart file (*.rtl) to open."), QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("quadrix: at most one chart file can be opened\n", stderr);
        parser.showHelp(2);
    }
    return app.Run(files.value(0));
}
