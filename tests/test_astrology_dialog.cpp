// The astrology dialog driven offscreen.

#include "AstroDateText.h"
#include "AstrologyDialog.h"
#include "ModalDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

CityInfo City(const char* name, int bias, double latitude, double longitude, const char* zone = "")
{
    return {name, "C", bias, latitude, longitude, zone};
}

// Five cities whose names a sorted box would reorder.
std::vector<CityInfo> FiveCities()
{
    return {City("Zurich", -60, 47.38, 8.55, "Europe/Zurich"), City("Beijing", -480, 39.9, 116.4, "Asia/Shanghai"),
        City("Tokyo", -540, 35.68, 139.7), City("Adelaide", -570, -34.93, 138.6), City("Moscow", -180, 55.75, 37.62)};
}

// A dialog whose messages land in messages instead of a box.
struct Fixture {
    CAstrologyDlg dialog;
    QStringList messages;

    explicit Fixture(int selected = 1)
    {
        dialog.SetMessageHook([this](const QString& text) { messages << text; });
        dialog.SetCityList(FiveCities(), selected);
        dialog.show();
    }
    QComboBox* Combo() { return dialog.findChild<QComboBox*>("city"); }
    QPlainTextEdit* ReportBox() { return dialog.findChild<QPlainTextEdit*>("report"); }
    QLabel* Notice() { return dialog.findChild<QLabel*>("notice"); }
    void Compute(const QString& date)
    {
        Type(dialog, "date", date);
        Click(dialog, "compute");
    }
};

} // namespace

TEST(AstrologyDialog, CitiesInListOrderAndTheStateKeptBetweenOpenings)
{
    Fixture f(2);
    ASSERT_EQ(f.Combo()->count(), 5);
    EXPECT_EQ(f.Combo()->itemText(0), "Zurich");
    EXPECT_EQ(f.Combo()->itemText(4), "Moscow");
    EXPECT_EQ(f.Combo()->currentIndex(), 2);
    EXPECT_FALSE(f.Combo()->isEditable());
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("星象"));
    EXPECT_TRUE(AstroDateText::CheckText(Text(f.dialog, "date").toStdString()).fields);

    QTest::keyClick(f.Combo(), Qt::Key_Down);
    EXPECT_EQ(f.dialog.SelectedCity(), 3);
    f.Compute("2011-11-24 10:30:00");
    const QString report = f.ReportBox()->toPlainText();
    f.dialog.close();
    f.dialog.show();
    EXPECT_EQ(Text(f.dialog, "date"), "2011-11-24 10:30:00");
    EXPECT_EQ(f.Combo()->currentIndex(), 3);
    EXPECT_EQ(f.ReportBox()->toPlainText(), report);
}

TEST(AstrologyDialog, ComputeShowsTheReportOrAMessage)
{
    Fixture f;
    f.Compute("2011-11-24 10:30:00");
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join(';').toStdString();
    const std::string& report = f.dialog.Report();
    EXPECT_NE(report.find("\t     Sun\t\t241.45\t\t Sagittarius:  1\u00B027'\r\n"), std::string::npos);
    const QString shown = f.ReportBox()->toPlainText();
    EXPECT_EQ(shown, QString::fromStdString(report).replace("\r\n", "\n"));

    // The messages are the report's own, tested with it.
    f.Compute("2011-13-01");
    EXPECT_EQ(f.messages, QStringList {"date time is not valid..."});
    EXPECT_EQ(f.ReportBox()->toPlainText(), shown);
}

TEST(AstrologyDialog, AnalyticNoticeBesideTheReport)
{
    Fixture f;
    f.dialog.SetEphemeris(Ephemeris({"/nonexistent"}));
    f.Compute("2011-11-24 10:30:00");
    EXPECT_TRUE(f.Notice()->isVisible());
    EXPECT_FALSE(f.ReportBox()->toPlainText().contains(f.Notice()->text()));
    if (!QFile::exists("/usr/share/libswe/ephe/sepl_18.se1"))
        GTEST_SKIP() << "the ephemeris data files are not installed";
    f.dialog.SetEphemeris(Ephemeris({"/usr/share/libswe/ephe"}));
    f.Compute("2011-11-24 10:30:00");
    EXPECT_FALSE(f.Notice()->isVisible());
}
