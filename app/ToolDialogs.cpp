#include "ToolDialogs.h"

#include "AstrologyDialog.h"
#include "DegreeCalculatorDialog.h"
#include "ProgramPaths.h"
#include "TimeCalculatorDialog.h"

namespace {

// Shows a dialog again where the user left it, in front.
void Present(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

CToolDialogs::CToolDialogs(QWidget* parent)
    : m_parent(parent)
{
}

Result<void> CToolDialogs::LoadCities()
{
    m_cities = CityFile::Read(ProgramPaths::CityFilePath());
    if (!m_cities.Ok())
        return Failure {CityFile::kReadFailed};
    return {};
}

void CToolDialogs::ShowAstrology()
{
    if (!m_astrology) {
        m_astrology = new CAstrologyDlg(m_parent);
        m_astrology->SetCityList(m_cities.cities, m_cities.selected);
    }
    Present(m_astrology);
}

void CToolDialogs::ShowDegreeCalculator()
{
    if (!m_degree)
        m_degree = new CDegreeCalculator(m_parent);
    Present(m_degree);
}

void CToolDialogs::ShowTimeCalculator()
{
    if (!m_time)
        m_time = new CTimeCalculator(m_parent);
    Present(m_time);
}
