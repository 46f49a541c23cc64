#include "Rotula2App.h"

#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv)
{
    CRotula2App app(argc, argv);

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
