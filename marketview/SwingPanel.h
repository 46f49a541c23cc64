#pragma once

#include <QDockWidget>

class CMarketSession;
class CSwingTableModel;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
struct SwingMethod;

// The 摆动 dock: the session's instrument, the method its swings are found
// by (a ZigZag by percent or by price, or pivots of L and R bars, on highs
// and lows or on closes) and the swings in a table. Clicking a row chooses
// that swing; the method's controls change the session's method.
class CSwingPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit CSwingPanel(CMarketSession& session, QWidget* parent = nullptr);

    QTableView* Table() const { return m_table; }
    // Shows swing index as the chosen row, as a click in the pane or on the
    // chart chose it.
    void SelectSwing(int index);

signals:
    void swingChosen(int index);
    // 以此为起点 of the chosen swing.
    void startRequested();

private:
    QWidget* BuildMethod();
    // The controls show the session's method; only the controls of its kind
    // are enabled.
    void ShowMethod(const SwingMethod& method);
    void ReadMethod();
    void ShowInstrument();
    void ShowSwings();

    CMarketSession& m_session;
    CSwingTableModel* m_model = nullptr;
    QLabel* m_instrument = nullptr;
    QComboBox* m_by = nullptr;
    QDoubleSpinBox* m_size = nullptr;
    QSpinBox* m_left = nullptr;
    QSpinBox* m_right = nullptr;
    QComboBox* m_on = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_start = nullptr;
};
