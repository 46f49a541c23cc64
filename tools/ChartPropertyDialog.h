#pragma once

#include "ChartPropertyRules.h"

#include <QDialog>

#include <functional>

class CBaseDraw;
class QGridLayout;
class QGroupBox;
class QLineEdit;

// The modal chart properties dialog: price start and step, date of cell 1,
// periods per cell and ring count of one chart. OK checks the edits in a
// fixed order; the first failure shows its message, focuses its edit and
// keeps the dialog open.
class CChartProperty : public QDialog {
    Q_OBJECT

public:
    using MessageHook = std::function<void(const QString&)>;

    explicit CChartProperty(const ChartPropertyRules::Values& values, QWidget* parent = nullptr);

    // Fills the dialog from chart, titled with the chart's name, runs it and
    // on OK writes the values back. Returns whether the user confirmed.
    static bool Edit(CBaseDraw& chart, QWidget* parent);

    // The values taken by the last successful OK.
    const ChartPropertyRules::Values& Values() const { return m_values; }
    // Shows failure messages through hook instead of a message box.
    void SetMessageHook(MessageHook hook) { m_showMessage = std::move(hook); }

    void accept() override;

private:
    QGroupBox* BuildFrame();
    void AddGroup(QGridLayout* grid, const QString& title, int column, QLineEdit* start, QLineEdit* step);
    QLayout* BuildBottomRow();
    QLineEdit* NewEdit(const char* name, const std::string& text);
    QLineEdit* EditOf(ChartPropertyRules::Field field) const;
    ChartPropertyRules::Texts Texts() const;
    void ShowMessage(const QString& message);

    ChartPropertyRules::Values m_values;
    MessageHook m_showMessage;
    QLineEdit* m_editStart = nullptr;
    QLineEdit* m_editStep = nullptr;
    QLineEdit* m_editStartDate = nullptr;
    QLineEdit* m_editTimeStep = nullptr;
    QLineEdit* m_editRings = nullptr;
};
