#pragma once

#include "BarImport.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// What to do with a chosen price file before it is read: the symbol and name
// to keep its bars under, the date form where the file cannot tell it, the
// instrument's zone and whether bad rows are skipped. Empty fields leave the
// choice to the file, as the command line does.
class CMarketImportDialog : public QDialog {
    Q_OBJECT

public:
    // The import of path as the user asked for it (without its store);
    // nothing when they cancelled.
    static std::optional<BarImport::Request> Ask(const QString& path, QWidget* parent);

    void accept() override;

private:
    CMarketImportDialog(const QString& path, QWidget* parent);
    BarImport::Request Chosen() const;

    QString m_path;
    QLineEdit* m_symbol;
    QLineEdit* m_name;
    QComboBox* m_dateForm;
    QComboBox* m_zone;
    QCheckBox* m_skipBad;
    QLabel* m_problem; // why OK did not take the choices
};
