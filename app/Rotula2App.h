#pragma once

#include "VersionCheck.h"

#include <QApplication>
#include <QTranslator>

class QFont;

// The application object: names the program, sets an interface font that
// shows simplified Chinese whatever the locale, puts Qt's own texts into
// simplified Chinese, runs the main frame and, at exit, the version check.
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

    // base with its families set to a Latin face, then the simplified-Chinese
    // face. Left to fallback, Qt picks the Japanese glyph shapes of the CJK
    // fonts when no Chinese locale is set.
    static QFont InterfaceFont(const QFont& base);

private:
    // Qt's standard buttons and dialogs in simplified Chinese; without the
    // translation file they stay English.
    void LoadQtTranslation();

    QTranslator m_qtTranslation;
    CVersionCheck m_versionCheck;
};
