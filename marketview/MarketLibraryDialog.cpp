#include "MarketLibraryDialog.h"

#include "BarTime.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { kSymbol, kName, kFirst, kLast, kBars, kColumns };

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

CMarketLibraryDialog::CMarketLibraryDialog(QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(0, kColumns))
{
    setWindowTitle(tr("行情库"));
    m_table->setObjectName("instruments");
    m_table->setHorizontalHeaderLabels({tr("代码"), tr("名称"), tr("首根K线"), tr("末根K线"), tr("K线数")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Room for a ticker of a few letters beside the header's two characters.
    m_table->horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")));
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &CMarketLibraryDialog::UpdateButtons);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { emit chooseAsked(Chosen()); });

    auto* buttons = new QDialogButtonBox;
    const auto add = [&](const QString& text, const char* name, void (CMarketLibraryDialog::*asked)(const QString&)) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, asked] { emit(this->*asked)(Chosen()); });
        m_rowButtons.push_back(button);
    };
    add(tr("重命名…"), "rename", &CMarketLibraryDialog::renameAsked);
    add(tr("删除"), "remove", &CMarketLibraryDialog::removeAsked);
    add(tr("重新导入"), "reimport", &CMarketLibraryDialog::reimportAsked);
    add(tr("设为本图品种"), "choose", &CMarketLibraryDialog::chooseAsked);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("关闭"));
    close->setObjectName("close");
    connect(buttons, &QDialogButtonBox::rejected, this, &CMarketLibraryDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 24);
    UpdateButtons();
}

void CMarketLibraryDialog::Show(const std::vector<CMarketStore::Instrument>& instruments, const QString& chosen)
{
    m_table->setRowCount(0);
    m_table->setRowCount(static_cast<int>(instruments.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const CMarketStore::Instrument& i = instruments[static_cast<std::size_t>(row)];
        const bool any = i.bars > 0;
        m_table->setItem(row, kSymbol, Item(QString::fromStdString(i.symbol)));
        m_table->setItem(row, kName, Item(QString::fromStdString(i.name)));
        m_table->setItem(row, kFirst, Item(any ? QString::fromStdString(BarTime::Text(i.first, i.intraday)) : ""));
        m_table->setItem(row, kLast, Item(any ? QString::fromStdString(BarTime::Text(i.last, i.intraday)) : ""));
        m_table->setItem(row, kBars, Item(QLocale().toString(i.bars), right));
        if (QString::fromStdString(i.symbol) == chosen)
            m_table->selectRow(row);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    UpdateButtons();
}

QString CMarketLibraryDialog::Chosen() const
{
    const QList<QTableWidgetItem*> chosen = m_table->selectedItems();
    return chosen.isEmpty() ? QString() : m_table->item(chosen.front()->row(), kSymbol)->text();
}

void CMarketLibraryDialog::UpdateButtons()
{
    const bool any = !Chosen().isEmpty();
    for (QPushButton* button : m_rowButtons)
        button->setEnabled(any);
}
