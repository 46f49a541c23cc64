#include "WhenPanel.h"

#include "ClusterTab.h"
#include "SkyEventTab.h"

#include <QTabWidget>

CWhenPanel::CWhenPanel(CMarketSession& session, CChartDocument& document, const CityList& cities, QWidget* parent)
    : QDockWidget(tr("时间"), parent)
    , m_tabs(new QTabWidget)
    , m_clusters(new CClusterTab(session, document))
    , m_events(new CSkyEventTab(cities))
{
    setObjectName("whenPanel");
    m_tabs->addTab(m_clusters, tr("时间簇"));
    m_tabs->addTab(m_events, tr("天象"));
    setWidget(m_tabs);
    connect(m_clusters, &CClusterTab::clustersShown, this, &CWhenPanel::clustersShown);
    connect(m_clusters, &CClusterTab::clusterChosen, this, &CWhenPanel::clusterChosen);
    connect(m_events, &CSkyEventTab::eventsShown, this, &CWhenPanel::eventsShown);
}

const std::vector<Cluster>& CWhenPanel::Clusters() const { return m_clusters->Clusters(); }

const std::vector<SkyEvent>& CWhenPanel::Events() const { return m_events->Events(); }
