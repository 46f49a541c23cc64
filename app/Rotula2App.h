#pragma once

#include "InterfaceLanguage.h"
#include "VersionCheck.h"

#include <QApplication>

class QFont;

// The application object: names the program, sets an interface font that
// shows simplified Chinese whatever the locale, puts the interface into the
// stored language, runs the main frame and, at exit, the version check.
class CRotula2App : public QApplication {
    Q_OBJECT

public:
    CRotula2App(int& argc, char** argv);

    // Opens file when one is named, shows the main frame maximised and runs
    // the event loop; returns its exit code once the frame has closed and the
    // exit check has run. A file that cannot be opened ends the program
    // after the view has said why.
    int Run(const QString& file = QString());

    CVersionCheck& VersionCheck() { return m_versionCheck; }
    // The language for this run, in place of the stored one; call before Run.
    void UseLanguage(Language language) { m_language.Apply(language); }

    // base with its families set to a Latin face, then the simplified-Chinese
    // face. Left to fallback, Qt picks the Japanese glyph shapes of the CJK
    // fonts when no Chinese locale is set.
    static QFont InterfaceFont(const QFont& base);

private:
    CInterfaceLanguage m_language;
    CVersionCheck m_versionCheck;
};
