#pragma once

#include "CityList.h"
#include "Result.h"
#include "SkyEventSearch.h"
#include "SkyEventTable.h"
#include "TextExport.h"

#include <QWidget>

#include <memory>
#include <vector>

class CSkyEventTableModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;

// The 天象 tab of the 时间 dock: the sky's ingresses, stations and exact
// aspects over a range of days, for the bodies and aspects chosen, seen
// from the earth or the sun, with local times at a city of the city list.
// Ranges of more than a few years are searched on a worker thread while a
// busy bar runs; the events export as the command line prints them.
class CSkyEventTab : public QWidget {
    Q_OBJECT

public:
    CSkyEventTab(const CityList& cities, QWidget* parent = nullptr);
    ~CSkyEventTab() override;

    // Starts the search of the range; a bad choice is said in the note.
    void Find();
    bool Busy() const { return m_worker != nullptr; }
    const std::vector<SkyEvent>& Events() const { return m_events; }
    // The file of the events shown, as quadrix-cli events prints it.
    Result<void> Export(TextExport::Format format, const QString& path) const;

    QTableView* Table() const { return m_table; }
    QLabel* Note() const { return m_note; }

signals:
    void eventsShown(const std::vector<SkyEvent>& events);

protected:
    // The city list may be read after the tab was made.
    void showEvent(QShowEvent* event) override;

private:
    struct Search;

    QWidget* BuildRange();
    QWidget* BuildBodies();
    QWidget* BuildAspects();
    QWidget* BuildButtons();
    void FillPlaces();
    // The query the controls give; false with the message when one is bad.
    bool ReadQuery(SkyQuery& query, QString& error) const;
    SkyClock Clock() const;
    void Finished(const Search& search);
    void ShowBusy(bool busy);
    void AskExport(TextExport::Format format);
    std::string Bytes(TextExport::Format format) const;

    const CityList& m_cities;
    CSkyEventTableModel* m_model = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    std::vector<QCheckBox*> m_bodies;
    std::vector<QCheckBox*> m_aspects;
    QCheckBox* m_helio = nullptr;
    QComboBox* m_place = nullptr;
    QPushButton* m_find = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_note = nullptr;
    QTableView* m_table = nullptr;
    std::unique_ptr<QThread> m_worker;
    std::vector<SkyEvent> m_events;
};
