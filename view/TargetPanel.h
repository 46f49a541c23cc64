#pragma once

#include <QDockWidget>

#include <cstdint>
#include <functional>
#include <optional>

class CChartDocument;
class CDocumentDialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
struct Target;

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

    // Trading days from one day to another (days from 1970-01-01), or none
    // where it cannot tell.
    using DayCounter = std::function<std::optional<long long>(std::int64_t fromDay, std::int64_t toDay)>;
    // With a counter the table gains a 交易日 column beside 天数: the trading
    // days from the pivot's date to each target's. An empty one removes it.
    void SetDayCounter(DayCounter counter);

    // "编号 n, 价格 p, 日期 d": the pivot as the panel and a printed
    // chart's caption name it.
    static QString PivotText(const Target& pivot);

private:
    QWidget* BuildControls();
    QWidget* BuildButtons();
    // The angle list as typed, or its message beside it when it is bad.
    void ReadAngles();
    void ShowMarks();
    // The 交易日 text of a row dated date, counted from the pivot's date.
    QString TradingDaysText(const std::string& pivotDate, const std::string& date) const;

    CChartDocument& m_doc;
    CDocumentDialogs& m_dialogs;
    QLabel* m_pivot = nullptr;
    QLineEdit* m_angles = nullptr;
    QLabel* m_anglesError = nullptr;
    QSpinBox* m_turns = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QPushButton* m_exportCalendar = nullptr;
    DayCounter m_countDays;
};
