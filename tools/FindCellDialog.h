#pragma once

#include "PivotTargets.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QRadioButton;

// The modal 查找 dialog: a price, a date or a cell number, chosen by radio
// button, in one edit. OK reads the text by the chosen kind; a bad text
// shows its message and keeps the dialog open.
class CFindCellDialog : public QDialog {
    Q_OBJECT

public:
    explicit CFindCellDialog(QWidget* parent = nullptr);

    // Runs the dialog; the query confirmed, or nothing when cancelled.
    static std::optional<CellQuery> Ask(QWidget* parent);

    const CellQuery& Query() const { return m_query; }
    void accept() override;

private:
    CellQuery::By Chosen() const;

    CellQuery m_query;
    QRadioButton* m_byPrice = nullptr;
    QRadioButton* m_byDate = nullptr;
    QRadioButton* m_byNumber = nullptr;
    QLineEdit* m_text = nullptr;
};
