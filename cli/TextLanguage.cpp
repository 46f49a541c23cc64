#include "TextLanguage.h"

#include "UiText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

namespace TextLanguage {
namespace {

std::string Translate(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

void Add(QCommandLineParser& parser)
{
    parser.addOption({"lang", "Language of the texts written into files, such as render's caption and page "
                              "labels: zh or en (default zh).", "zh|en"});
}

bool Apply(const QCommandLineParser& parser, std::string& error)
{
    const QString code = parser.value("lang");
    if (code.isEmpty() || code == QLatin1String("zh"))
        return true;
    if (code != QLatin1String("en")) {
        error = "--lang takes zh or en";
        return false;
    }
    // Lives for the run, as installed translators must.
    static QTranslator english;
    if (!english.load(QStringLiteral(":/i18n/quadrix_en.qm"))) {
        error = "the English texts are missing from this build";
        return false;
    }
    QCoreApplication::installTranslator(&english);
    SetUiTranslator(Translate);
    return true;
}

} // namespace TextLanguage
