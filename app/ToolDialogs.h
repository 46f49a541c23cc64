#pragma once

#include "CityList.h"
#include "Result.h"

#include <string>

class QWidget;
class CAstrologyDlg;
class CDegreeCalculator;
class CTimeCalculator;

// The application's three modeless tool dialogs, each created on first use
// as a child of the main frame and kept, contents and all, until the frame
// goes; and the city list the astrology dialog receives.
class CToolDialogs {
public:
    explicit CToolDialogs(QWidget* parent);

    // Reads the city list from where the program keeps it; a failure's
    // message is for the user (the cities read before stay).
    Result<void> LoadCities();
    const CityList& Cities() const { return m_cities; }

    void ShowAstrology();
    void ShowDegreeCalculator();
    void ShowTimeCalculator();

private:
    QWidget* m_parent = nullptr;
    CityList m_cities;
    // Owned by m_parent as Qt children.
    CAstrologyDlg* m_astrology = nullptr;
    CDegreeCalculator* m_degree = nullptr;
    CTimeCalculator* m_time = nullptr;
};
