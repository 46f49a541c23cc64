#pragma once

#include "BarImport.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <optional>

class CMarketLibraryDialog;
class CMarketSession;
class QWidget;

// The market store's commands that put questions to the user: 导入行情…
// (a price file, the choices of its import, the import on a worker thread
// with a progress dialog for large files, then its summary) and 行情库…
// (the store's instruments, renamed, removed, imported again or made the
// charts' instrument). The session follows each change to its instrument.
class CMarketDialogs : public QObject {
    Q_OBJECT

public:
    CMarketDialogs(CMarketSession& session, QWidget* parent);

    void Import();
    void Library();
    // The import of path after the question of its choices; false when the
    // user cancelled or it failed (the failure is said).
    bool ImportFile(const QString& path);

signals:
    // After each import that stored bars, with the symbol they went under.
    void imported(const QString& symbol);
    // 设为本图品种 in the library.
    void instrumentChosen(const QString& symbol);

protected:
    // The questions and messages put to the user; tests answer them
    // instead. An empty path or symbol means the user cancelled.
    virtual QString AskImportPath();
    virtual std::optional<BarImport::Request> AskImportChoices(const QString& path);
    virtual QString AskNewSymbol(const QString& symbol);
    virtual bool AskRemove(const QString& symbol);
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);

private:
    // Runs request against the session's store, then says how it went.
    bool RunImport(BarImport::Request request);
    // BarImport::Run on a worker thread, the progress dialog told how far it
    // has come; the user's cancel stops it.
    Result<BarImport::Summary> ImportWithProgress(const BarImport::Request& request);
    void Rename(const QString& symbol);
    void Remove(const QString& symbol);
    void Reimport(const QString& symbol);
    void Choose(const QString& symbol);
    // The store's instruments in the library dialog, symbol chosen.
    void Refresh(const QString& symbol);
    void Follow(const Result<void>& session);
    void ShowFailure(const std::string& message);
    bool IsCurrent(const QString& symbol) const;
    // The window questions are put over: the library while it is open.
    QWidget* Host() const;

    CMarketSession& m_session;
    QWidget* m_parent;
    CMarketLibraryDialog* m_library = nullptr;
    bool m_busy = false; // an import runs; the menu's commands wait for it
};
