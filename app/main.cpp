#include "InterfaceLanguage.h"
#include "ProductInfo.h"
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

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Square and wheel charts for market analysts."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("lang"),
        QStringLiteral("Interface language for this run: zh or en (else the stored choice)."), QStringLiteral("code")));
    parser.addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("Chart file (*.rtl) to open."), QStringLiteral("[file]"));
}

// Answers --help and --version before the application starts, so that they
// work where no display can be opened; -1 when neither is asked for. Other
// arguments, Qt's own options included, are left to the application.
int AnswerWithoutDisplay(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments))
        return -1;
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application the parser cannot name the program itself.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), arguments.value(0));
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", Product::Name, Product::Version);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    const int answered = AnswerWithoutDisplay(argc, argv);
    if (answered >= 0)
        return answered;

    CRotula2App app(argc, argv);
    QuitAfterFirstPaint quitAfterFirstPaint;
    if (qEnvironmentVariableIsSet("QUADRIX_QUIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&quitAfterFirstPaint);

    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("quadrix: at most one chart file can be opened\n", stderr);
        parser.showHelp(2);
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        const std::optional<Language> language = CInterfaceLanguage::FromCode(parser.value(QStringLiteral("lang")));
        if (!language) {
            std::fputs("quadrix: --lang takes zh or en\n", stderr);
            return 2;
        }
        app.UseLanguage(*language);
    }
    return app.Run(files.value(0));
}
