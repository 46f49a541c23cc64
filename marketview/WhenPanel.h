#pragma once

#include "Clusters.h"
#include "SkyEventSearch.h"

#include <QDockWidget>

#include <cstdint>
#include <vector>

class CChartDocument;
class CClusterTab;
class CMarketSession;
class CSkyEventTab;
class QTabWidget;
struct CityList;

// The 时间 dock: when turns may come. Its 时间簇 tab lists the days on which
// dates projected from the instrument's swings agree; its 天象 tab the sky's
// ingresses, stations and aspects over a range. What each shows is
// announced, for the pane and the charts to mark.
class CWhenPanel : public QDockWidget {
    Q_OBJECT

public:
    // cities is the list the tool dialogs load; it outlives the panel.
    CWhenPanel(CMarketSession& session, CChartDocument& document, const CityList& cities, QWidget* parent = nullptr);

    CClusterTab& ClusterTab() const { return *m_clusters; }
    CSkyEventTab& EventTab() const { return *m_events; }
    QTabWidget* Tabs() const { return m_tabs; }
    const std::vector<Cluster>& Clusters() const;
    const std::vector<SkyEvent>& Events() const;

signals:
    // After each computation of the clusters (empty when none), with the
    // window of days either side they were found with.
    void clustersShown(const std::vector<Cluster>& clusters, int window);
    // A cluster's row clicked: its day, from 1970-01-01.
    void clusterChosen(std::int64_t day);
    // After each search of the sky.
    void eventsShown(const std::vector<SkyEvent>& events);

private:
    QTabWidget* m_tabs = nullptr;
    CClusterTab* m_clusters = nullptr;
    CSkyEventTab* m_events = nullptr;
};
