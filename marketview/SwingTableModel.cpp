#include "SwingTableModel.h"

#include "BarTime.h"

#include <QColor>

namespace {

enum Column { Time, Price, Kind, Index, Confirmed, Move, MovePercent, Bars, Days, ColumnCount };

// Prices as the file gave them; moves to the twelve digits a difference of
// such prices carries, as quadrix-cli prints them.
QString PriceText(double value) { return QString::number(value, 'g', 15); }
QString MoveText(double value) { return QString::number(value, 'g', 12); }

} // namespace

void CSwingTableModel::SetSwings(const std::vector<Swing>& swings, bool intraday)
{
    beginResetModel();
    m_swings = swings;
    m_intraday = intraday;
    endResetModel();
}

int CSwingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_swings.size());
}

int CSwingTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CSwingTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Swing& swing = m_swings[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return Text(swing, index.column(), index.row() == 0);
    if (role == Qt::ForegroundRole && index.column() == Kind)
        return QColor(swing.kind == Swing::Kind::High ? QColor(200, 20, 50) : QColor(0, 130, 60));
    if (role == Qt::TextAlignmentRole && index.column() != Time && index.column() != Kind)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

// The first swing has no move, as the command line's null.
QString CSwingTableModel::Text(const Swing& swing, int column, bool first) const
{
    if (first && column >= Move)
        return {};
    switch (column) {
    case Time: return QString::fromStdString(BarTime::Text(swing.time, m_intraday));
    case Price: return PriceText(swing.price);
    case Kind: return swing.kind == Swing::Kind::High ? tr("高") : tr("低");
    case Index: return QString::number(swing.index);
    case Confirmed: return swing.confirmed ? tr("是") : tr("否");
    case Move: return MoveText(swing.move);
    case MovePercent: return MoveText(swing.movePercent);
    case Bars: return QString::number(swing.bars);
    case Days: return QString::number(swing.days);
    default: return {};
    }
}

QVariant CSwingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const char* const titles[ColumnCount] = {QT_TR_NOOP("时间"), QT_TR_NOOP("价格"), QT_TR_NOOP("高/低"),
        QT_TR_NOOP("K线序号"), QT_TR_NOOP("已确认"), QT_TR_NOOP("涨跌"), QT_TR_NOOP("涨跌%"), QT_TR_NOOP("K线数"),
        QT_TR_NOOP("天数")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}
