#include "InterfaceLanguage.h"

#include "UiText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");

// The translators are the application's, so is the language they give.
Language g_inEffect = Language::Chinese;

QString CodeOf(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

// The Qt-free code asks here for the texts it composes.
std::string Translate(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

std::optional<Language> CInterfaceLanguage::FromCode(const QString& code)
{
    for (Language language : {Language::Chinese, Language::English}) {
        if (code == CodeOf(language))
            return language;
    }
    return std::nullopt;
}

Language CInterfaceLanguage::Stored()
{
    return FromCode(QSettings().value(kLanguageKey).toString()).value_or(Language::Chinese);
}

void CInterfaceLanguage::Store(Language language)
{
    QSettings().setValue(kLanguageKey, CodeOf(language));
}

void CInterfaceLanguage::Apply(Language language)
{
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
    if (language == Language::English) {
        if (m_own.load(QStringLiteral(":/i18n/quadrix_en.qm")))
            QCoreApplication::installTranslator(&m_own);
    } else if (m_qt.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
    SetUiTranslator(Translate);
    g_inEffect = language;
}

Language CInterfaceLanguage::InEffect() { return g_inEffect; }
