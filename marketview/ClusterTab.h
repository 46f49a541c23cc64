#pragma once

#include "Clusters.h"
#include "Result.h"
#include "Swing.h"
#include "TextExport.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class CChartDocument;
class CMarketSession;
class QCheckBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// The 时间簇 tab of the 时间 dock: the days on which dates projected from
// the session's confirmed swings agree, by the methods, counts, window,
// range, square's scale and holidays chosen, with the document's current
// chart for its targets and price step. Clicking a cluster lists its
// projections; the clusters export as the command line prints them.
class CClusterTab : public QWidget {
    Q_OBJECT

public:
    CClusterTab(CMarketSession& session, CChartDocument& document, QWidget* parent = nullptr);

    // Projects, clusters and shows; a choice that cannot be read is said
    // beside 计算 and leaves no clusters.
    void Compute();
    const std::vector<Cluster>& Clusters() const { return m_clusters; }
    // The file of the clusters shown, as quadrix-cli clusters prints it.
    Result<void> Export(TextExport::Format format, const QString& path) const;
    // The holiday file beside the bars; an empty path clears it.
    void SetHolidayFile(const QString& path);

    QTableWidget* ClusterTable() const { return m_clusterTable; }
    QTableWidget* ProjectionTable() const { return m_projectionTable; }

signals:
    void clustersShown(const std::vector<Cluster>& clusters, int window);
    void clusterChosen(std::int64_t day);

private:
    QWidget* BuildMethods();
    QWidget* BuildOptions();
    QWidget* BuildHolidays();
    QWidget* BuildButtons();
    // The options the controls give; false with the message when one is bad.
    bool ReadOptions(ProjectionOptions& options, std::string& error) const;
    std::vector<Projection> Project(ProjectionOptions options, std::string& note) const;
    void ShowClusters();
    void ShowProjections(int row);
    void ChooseHolidays();
    void AskExport(TextExport::Format format);
    std::string Bytes(TextExport::Format format) const;

    CMarketSession& m_session;
    CChartDocument& m_document;
    QCheckBox* m_methods[kProjectionMethods] = {};
    QLineEdit* m_counts = nullptr;
    QSpinBox* m_window = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QDoubleSpinBox* m_scale = nullptr;
    QLabel* m_holidayName = nullptr;
    QLabel* m_holidayNote = nullptr;
    QLabel* m_note = nullptr;
    QTableWidget* m_clusterTable = nullptr;
    QTableWidget* m_projectionTable = nullptr;
    std::vector<std::int64_t> m_holidays;
    // The swings the clusters' projections index, and the window they used.
    std::vector<Swing> m_swings;
    std::vector<Cluster> m_clusters;
    int m_shownWindow = 0;
    std::string m_symbol;
};
