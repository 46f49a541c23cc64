#pragma once

#include <QDockWidget>

class CChartDocument;
class CDocumentDialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The 目标 dock: the pivot and its targets as the document's marks hold
// them, the angles and turns they are projected by, and buttons that clear
// the marks and export the targets. The panel shows the marks whenever the
// document says they changed and hands the user's angles and turns to it.
class CTargetPanel : public QDockWidget {
    Q_OBJECT

public:
    // Turns beyond this reach past the rings of any chart but the largest.
    static constexpr int kMaxTurns = 10;

    CTargetPanel(CChartDocument& document, CDocumentDialogs& dialogs, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }

private:
    QWidget* BuildControls();
    QWidget* BuildButtons();
    // The angle list as typed, or its message beside it when it is bad.
    void ReadAngles();
    void ShowMarks();

    CChartDocument& m_doc;
    CDocumentDialogs& m_dialogs;
    QLabel* m_pivot = nullptr;
    QLineEdit* m_angles = nullptr;
    QLabel* m_anglesError = nullptr;
    QSpinBox* m_turns = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QPushButton* m_exportCalendar = nullptr;
};
