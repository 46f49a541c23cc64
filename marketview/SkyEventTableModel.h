#pragma once

#include "SkyEventSearch.h"
#include "SkyEventTable.h"

#include <QAbstractTableModel>

#include <vector>

// The sky's events as a table: local time, UT, the event in words and the
// body's longitude. Rows are made as the view shows them, so two centuries
// of events cost only what is on screen.
class CSkyEventTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetEvents(const std::vector<SkyEvent>& events, const SkyClock& clock);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The event in words: "太阳进入白羊座", "水星留，转逆行", "太阳四分木星，入相".
    static QString Words(const SkyEvent& event);
    // A body's name in the interface's language.
    static QString BodyName(int body);

private:
    QString Text(const SkyEvent& event, int column) const;

    std::vector<SkyEvent> m_events;
    SkyClock m_clock;
};
