#pragma once

#include "Swing.h"

#include <QAbstractTableModel>

#include <vector>

// The swings of the market session as a table with the columns of
// quadrix-cli swings: time, price, kind, bar index, confirmed, move, move
// in percent, bars and calendar days since the swing before. Rows are made
// as the view shows them, so a long list costs only what is on screen.
class CSwingTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetSwings(const std::vector<Swing>& swings, bool intraday);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const Swing& swing, int column, bool first) const;

    std::vector<Swing> m_swings;
    bool m_intraday = false;
};
