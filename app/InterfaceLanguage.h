#pragma once

#include <QString>
#include <QTranslator>

#include <optional>

enum class Language { Chinese, English };

// The interface's language: Chinese, the texts of the sources, or English
// from the translation built into the program. Qt's own texts follow it: its
// simplified-Chinese translation with Chinese, none with English. The choice
// kept in the settings takes effect at the next start.
class CInterfaceLanguage {
public:
    // "zh" or "en"; none for anything else.
    static std::optional<Language> FromCode(const QString& code);
    // The stored choice; Chinese when none or an unknown one is stored.
    static Language Stored();
    static void Store(Language language);

    // Puts the application's texts into language, replacing what an earlier
    // call installed. Without Qt's translation file its texts stay English.
    void Apply(Language language);
    // The language the last Apply put the application into (the sources'
    // Chinese before any): what the windows built now show.
    static Language InEffect();

private:
    QTranslator m_own;
    QTranslator m_qt;
};
