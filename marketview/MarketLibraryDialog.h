#pragma once

#include "MarketStore.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

// The instruments of the market store in a table (symbol, name, first and
// last bar, count) with the buttons that act on the chosen one. It only
// shows them and says what was asked; CMarketDialogs does it and hands the
// table back.
class CMarketLibraryDialog : public QDialog {
    Q_OBJECT

public:
    explicit CMarketLibraryDialog(QWidget* parent = nullptr);

    // Fills the table, keeping the row of symbol chosen when it is there.
    void Show(const std::vector<CMarketStore::Instrument>& instruments, const QString& chosen = QString());
    // The symbol of the chosen row; empty when none is.
    QString Chosen() const;

signals:
    void renameAsked(const QString& symbol);
    void removeAsked(const QString& symbol);
    void reimportAsked(const QString& symbol);
    void chooseAsked(const QString& symbol);

private:
    void UpdateButtons();

    QTableWidget* m_table;
    std::vector<QPushButton*> m_rowButtons; // those that need a chosen row
};
