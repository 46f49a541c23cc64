#pragma once

#include "CityList.h"
#include "Ephemeris.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The modeless astrology dialog "星象": a local date and time, a city of the
// city list and 计算, which writes the report of the bodies' longitudes and
// aspects for that moment and place. Closing only hides it; the view keeps
// it, so its date, city and report survive until the next opening.
class CAstrologyDlg : public QDialog {
    Q_OBJECT

public:
    using MessageHook = std::function<void(const QString&)>;

    explicit CAstrologyDlg(QWidget* parent = nullptr);

    // Fills the city choice from cities, in their order, and selects the one
    // at selected; an index that names no city selects none.
    void SetCityList(const std::vector<CityInfo>& cities, int selected);
    // Computes with ephemeris instead of the program's own folders.
    void SetEphemeris(const Ephemeris& ephemeris) { m_ephemeris = ephemeris; }
    // Shows messages through hook instead of a message box.
    void SetMessageHook(MessageHook hook) { m_showMessage = std::move(hook); }

    // The last report as built, UTF-8 with CR LF line ends.
    const std::string& Report() const { return m_report; }
    int SelectedCity() const { return m_nSelected; }

private:
    QLayout* BuildDateRow();
    void OnCityChanged(int index);
    void OnCompute();
    void ShowMessage(const std::string& message, bool information);

    std::vector<CityInfo> m_cities;
    int m_nSelected = 0;
    std::string m_report;
    Ephemeris m_ephemeris;
    MessageHook m_showMessage;
    QLineEdit* m_editDate = nullptr;
    QComboBox* m_comboCity = nullptr;
    QPlainTextEdit* m_editReport = nullptr;
    QLabel* m_labelNotice = nullptr;
};
