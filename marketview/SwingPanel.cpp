#include "SwingPanel.h"

#include "BarTime.h"
#include "DockControls.h"
#include "MarketSession.h"
#include "SwingTableModel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

// As quadrix-cli swings takes them.
constexpr int kMaxPivotBars = 100000;
constexpr int kSizeDecimals = 4;

} // namespace

CSwingPanel::CSwingPanel(CMarketSession& session, QWidget* parent)
    : QDockWidget(tr("摆动"), parent)
    , m_session(session)
    , m_model(new CSwingTableModel(this))
    , m_instrument(new QLabel)
    , m_table(new QTableView)
    , m_start(new QPushButton(tr("以此为起点")))
{
    setObjectName("swingPanel");
    m_table->setObjectName("swings");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_instrument->setWordWrap(true);
    m_start->setEnabled(false);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_instrument);
    layout->addWidget(BuildMethod());
    layout->addWidget(m_table, 1);
    layout->addWidget(m_start, 0, Qt::AlignLeft);
    setWidget(body);

    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_start->setEnabled(true);
        emit swingChosen(index.row());
    });
    connect(m_start, &QPushButton::clicked, this, &CSwingPanel::startRequested);
    connect(&m_session, &CMarketSession::instrumentChanged, this, &CSwingPanel::ShowInstrument);
    connect(&m_session, &CMarketSession::swingsChanged, this, &CSwingPanel::ShowSwings);
    ShowMethod(m_session.Method());
    ShowInstrument();
    ShowSwings();
}

QWidget* CSwingPanel::BuildMethod()
{
    m_by = new QComboBox;
    m_by->setObjectName("swingMethod");
    m_by->addItems({tr("涨跌幅 %"), tr("价格幅度"), tr("枢轴 左,右")});
    m_size = new QDoubleSpinBox;
    m_size->setObjectName("swingSize");
    m_size->setDecimals(kSizeDecimals);
    m_left = new QSpinBox;
    m_right = new QSpinBox;
    for (QSpinBox* bars : {m_left, m_right})
        bars->setRange(0, kMaxPivotBars);
    m_on = new QComboBox;
    m_on->addItems({tr("最高最低价"), tr("收盘价")});

    QWidget* row = DockControls::Row({m_by, m_size, m_left, m_right, m_on});

    connect(m_by, qOverload<int>(&QComboBox::currentIndexChanged), this, &CSwingPanel::ReadMethod);
    connect(m_size, &QDoubleSpinBox::editingFinished, this, &CSwingPanel::ReadMethod);
    connect(m_left, &QSpinBox::editingFinished, this, &CSwingPanel::ReadMethod);
    connect(m_right, &QSpinBox::editingFinished, this, &CSwingPanel::ReadMethod);
    connect(m_on, qOverload<int>(&QComboBox::currentIndexChanged), this, &CSwingPanel::ReadMethod);
    return row;
}

void CSwingPanel::ShowMethod(const SwingMethod& method)
{
    const QSignalBlocker blockBy(m_by), blockOn(m_on);
    const bool pivots = method.by == SwingMethod::By::Pivots;
    const bool percent = method.by == SwingMethod::By::Percent;
    m_by->setCurrentIndex(static_cast<int>(method.by));
    // A move of a whole range or more never turns: percent stops at 100.
    m_size->setRange(std::pow(10.0, -kSizeDecimals), percent ? 100 : std::numeric_limits<float>::max());
    m_size->setValue(percent ? method.percent : method.amount);
    m_size->setVisible(!pivots);
    m_left->setValue(method.left);
    m_right->setValue(method.right);
    m_left->setVisible(pivots);
    m_right->setVisible(pivots);
    m_on->setCurrentIndex(method.onCloses ? 1 : 0);
}

// A change of kind starts from that kind's common setting.
void CSwingPanel::ReadMethod()
{
    SwingMethod method = m_session.Method();
    const auto by = static_cast<SwingMethod::By>(m_by->currentIndex());
    if (by != method.by) {
        method = SwingMethod{};
        method.by = by;
        method.percent = 10;
        method.amount = m_session.Method().amount > 0 ? m_session.Method().amount : 1;
        method.left = method.right = 5;
    } else if (by == SwingMethod::By::Pivots) {
        method.left = m_left->value();
        method.right = m_right->value();
    } else {
        (by == SwingMethod::By::Percent ? method.percent : method.amount) = m_size->value();
    }
    method.onCloses = m_on->currentIndex() == 1;
    ShowMethod(method);
    m_session.SetMethod(method);
}

void CSwingPanel::ShowInstrument()
{
    const auto& instrument = m_session.Instrument();
    if (!instrument) {
        m_instrument->setText(tr("没有品种：用 行情 → 行情库… 选择本图品种"));
        return;
    }
    const QString name = instrument->name.empty() ? QString() : QStringLiteral(" ") + QString::fromStdString(instrument->name);
    m_instrument->setText(tr("%1%2：%3 根K线，%4 至 %5")
                              .arg(QString::fromStdString(instrument->symbol), name)
                              .arg(instrument->bars)
                              .arg(QString::fromStdString(BarTime::Text(instrument->first, instrument->intraday)),
                                   QString::fromStdString(BarTime::Text(instrument->last, instrument->intraday))));
}

void CSwingPanel::ShowSwings()
{
    m_model->SetSwings(m_session.Swings(), m_session.Series()->intraday);
    m_start->setEnabled(false);
    ShowMethod(m_session.Method());
}

void CSwingPanel::SelectSwing(int index)
{
    m_table->selectRow(index);
    // After the docks settle: a choice may open the targets beside the list.
    QTimer::singleShot(0, this, [this, index] {
        m_table->scrollTo(m_model->index(index, 0), QAbstractItemView::PositionAtCenter);
    });
    m_start->setEnabled(true);
}
