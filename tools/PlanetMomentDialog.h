#pragma once

#include "CityList.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

// 行星时间: the moment and city the planet ring shows. The date field and the
// city choice take what the astrology dialog takes, checked by its rules
// when confirmed; 现在 stands for the time the ring is turned on.
class CPlanetMomentDlg : public QDialog {
    Q_OBJECT

public:
    using MessageHook = std::function<void(const QString&)>;

    // date empty for now; city an index of cities, or none.
    CPlanetMomentDlg(const std::vector<CityInfo>& cities, int city, const std::string& date, QWidget* parent = nullptr);

    // Shows messages through hook instead of a message box.
    void SetMessageHook(MessageHook hook) { m_showMessage = std::move(hook); }

    // What was confirmed: the date text, empty for now, and the city's index.
    std::string DateText() const;
    int CityIndex() const;

    void accept() override;

private:
    void ShowMessage(const std::string& message, bool information);

    MessageHook m_showMessage;
    QLineEdit* m_editDate = nullptr;
    QCheckBox* m_checkNow = nullptr;
    QComboBox* m_comboCity = nullptr;
};
