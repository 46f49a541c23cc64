// The degree, time and astrology dialogs and the date field, driven offscreen.

#include "AstroDateText.h"
#include "AstrologyDialog.h"
#include "DateSpanGroup.h"
#include "DateTestSupport.h"
#include "DateTimeEdit.h"
#include "DegreeCalculatorDialog.h"
#include "ModalDialog.h"
#include "TimeCalculatorDialog.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

namespace {

// A calculator on a fixed clock (Monday 5 March 2012, 10:30), its messages
// collected instead of shown.
template <typename Dialog> class Calculator : public ::testing::Test {
protected:
    Calculator()
    {
        dialog.SetMessageHook(
            [this](QMessageBox::Icon icon, const QString& text) { messages.emplace_back(icon, text); });
        dialog.show();
    }

    // Chooses a unit the way a user does, with the arrow keys on the list.
    void ChooseUnit(int index)
    {
        auto* unit = dialog.template findChild<QComboBox*>("unit");
        while (unit->currentIndex() < index)
            QTest::keyClick(unit, Qt::Key_Down);
        while (unit->currentIndex() > index)
            QTest::keyClick(unit, Qt::Key_Up);
    }

    // Chooses the unit, which computes the span from the fields as they
    // were, then types the three fields.
    void Fill(const QString& start, const QString& span, int unit, const QString& end)
    {
        ChooseUnit(unit);
        Type(dialog, "start", start);
        Type(dialog, "span", span);
        Type(dialog, "end", end);
    }

    QString StartSpanEnd()
    {
        return Text(dialog, "start") + " + " + Text(dialog, "span") + " = " + Text(dialog, "end");
    }

    // Expects exactly one message since the last check, and the focus on
    // the whole text of the field to correct.
    void ExpectMessage(QMessageBox::Icon icon, const QString& text, const char* field)
    {
        EXPECT_EQ(messages, (std::vector<std::pair<QMessageBox::Icon, QString>> {{icon, text}})) << text.toStdString();
        auto* edit = dialog.template findChild<QLineEdit*>(field);
        EXPECT_EQ(dialog.focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), edit->text());
        messages.clear();
    }

    const CFixedNow now {COleDateTime(2012, 3, 5, 10, 30, 0)};
    Dialog dialog;
    std::vector<std::pair<QMessageBox::Icon, QString>> messages;
};

using DegreeCalculator = Calculator<CDegreeCalculator>;

using CalculatorTypes = ::testing::Types<CDegreeCalculator, CTimeCalculator>;
TYPED_TEST_SUITE(Calculator, CalculatorTypes);

} // namespace

TEST_F(DegreeCalculator, OpensOnTheAnglesOf360AndComputesOrAsksForANumber)
{
    const auto angles = [this] { // carl first
        QStringList texts;
        for (const char* label : {"carl", "daniel", "circle", "dial"})
            texts << dialog.findChild<QLabel*>(label)->text();
        return texts.join(' ');
    };
    EXPECT_EQ(Text(dialog, "p"), "360");
    EXPECT_EQ(angles(), "310.26 310.00 0.00 0.00");
    EXPECT_EQ(StartSpanEnd(), "2012/03/05 + 0 = 2012/03/05");

    Type(dialog, "p", "1000");
    Click(dialog, "computeAngles");
    EXPECT_EQ(angles(), "67.10 64.69 280.00 240.00");
    Type(dialog, "p", "12x");
    Click(dialog, "computeAngles");
    ExpectMessage(QMessageBox::Warning, "Enter a number.", "p");
    EXPECT_EQ(angles(), "67.10 64.69 280.00 240.00");

    // OK and cancel only hide it.
    for (const char* button : {"ok", "cancel"}) {
        dialog.show();
        Click(dialog, button);
        EXPECT_FALSE(dialog.isVisible()) << button;
    }
    EXPECT_EQ(Text(dialog, "p") + ' ' + angles(), "12x 67.10 64.69 280.00 240.00");
}

TYPED_TEST(Calculator, SwitchingTheUnitRecomputesTheSpanClosingKeepsItAndEachButtonWritesItsField)
{
    this->Fill("2012/01/01", "0", 0, "2012/03/01");
    Click(this->dialog, "computeSpan");
    EXPECT_EQ(Text(this->dialog, "span"), "60");
    const char* const spans[] = {"60", "8", "2", "0"};
    for (int unit : {3, 2, 0, 1}) {
        this->ChooseUnit(unit);
        EXPECT_EQ(Text(this->dialog, "span"), spans[unit]) << unit;
    }
    this->dialog.close();
    this->dialog.show();
    EXPECT_EQ(this->StartSpanEnd(), "2012/01/01 + 8 = 2012/03/01");
    EXPECT_EQ(this->dialog.template findChild<QComboBox*>("unit")->currentText(), "Week");

    // Each button writes only its field.
    const struct {
        const char *start, *span;
        int unit;
        const char *end, *button, *result;
    } rows[] = {
        {"2012/01/31", "10", 0, "", "computeEnd", "2012/01/31 + 10 = 2012/02/10"},
        {"", "1", 1, "2012/03/01", "computeStart", "2012/02/23 + 1 = 2012/03/01"},
        {"2000/01/01", "-1", 3, "2012/01/31", "computeStart", "2013/01/31 + -1 = 2012/01/31"},
        {"2012/02/29", "1", 3, "2012/03/01", "computeEnd", "2012/02/29 + 1 = "},
    };
    for (const auto& row : rows) {
        this->Fill(row.start, row.span, row.unit, row.end);
        Click(this->dialog, row.button);
        EXPECT_EQ(this->StartSpanEnd(), row.result) << row.button << ' ' << row.start << row.end;
    }
    EXPECT_TRUE(this->messages.empty());
}

// Friday 2 March 2012 and one trading day: Monday, or Tuesday once a file
// makes Monday a holiday; a file with a bad line keeps the holidays read.
TYPED_TEST(Calculator, TradingDaysSkipWeekendsAndTheHolidaysOfAFile)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const char* text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        return file.fileName();
    };
    auto* group = this->dialog.template findChild<CDateSpanGroup*>();
    this->Fill("2012/03/02", "1", 4, "");
    EXPECT_EQ(this->dialog.template findChild<QComboBox*>("unit")->currentText(), "交易日");
    Click(this->dialog, "computeEnd");
    EXPECT_EQ(this->StartSpanEnd(), "2012/03/02 + 1 = 2012/03/05");
    EXPECT_TRUE(group->ReadHolidays(write("shut.txt", "# closed\n2012-03-05\n")));
    EXPECT_EQ(this->dialog.template findChild<QLabel*>("holidayFile")->text(), "shut.txt");
    Click(this->dialog, "computeEnd");
    EXPECT_EQ(this->StartSpanEnd(), "2012/03/02 + 1 = 2012/03/06");
    Click(this->dialog, "computeSpan");
    EXPECT_EQ(Text(this->dialog, "span"), "1");

    EXPECT_FALSE(group->ReadHolidays(write("bad.txt", "2012-13-01\n")));
    ASSERT_EQ(this->messages.size(), 1u);
    EXPECT_TRUE(this->messages[0].second.endsWith("bad.txt line 1: not a date YYYY-MM-DD"));
    Click(this->dialog, "computeEnd");
    EXPECT_EQ(this->StartSpanEnd(), "2012/03/02 + 1 = 2012/03/06");
}

// The degree calculator asks for an empty span; the time calculator finds
// no integer in it.
TYPED_TEST(Calculator, RefusesWhatHoldsNoDateOrSpanAndChangesNoDate)
{
    EXPECT_FALSE(this->dialog.isModal());
    this->Fill("2012/01/01", "", 0, "2012/03/01");
    for (const char* button : {"computeStart", "computeEnd"}) {
        Click(this->dialog, button);
        if (std::is_same_v<TypeParam, CDegreeCalculator>)
            this->ExpectMessage(QMessageBox::Information, "You must input timespan...", "span");
        else
            this->ExpectMessage(QMessageBox::Warning, "Enter an integer.", "span");
    }
    EXPECT_EQ(this->StartSpanEnd(), "2012/01/01 +  = 2012/03/01");

    this->Fill("not a date", "1", 0, "2012/03/01");
    Click(this->dialog, "computeEnd");
    this->ExpectMessage(QMessageBox::NoIcon, "Start date time is not valid...", "start");

    this->Fill("2012/01/01", "1", 0, "31 February");
    Click(this->dialog, "computeSpan");
    this->ExpectMessage(QMessageBox::NoIcon, "End date time is not valid...", "end");
    EXPECT_EQ(this->StartSpanEnd(), "2012/01/01 + 1 = 31 February");

    Type(this->dialog, "span", "1.5");
    Click(this->dialog, "computeEnd");
    this->ExpectMessage(QMessageBox::Warning, "Enter an integer.", "span");
}

TEST(DateField, ShowsTheDayOrNothingReadsTypedTextAndPicksFromACalendar)
{
    const CFixedNow now {COleDateTime(2012, 3, 5, 10, 30, 0)};
    CDateTimeEdit field;
    field.SetValue(COleDateTimeEx(2012, 2, 29, 23, 59, 59));
    EXPECT_EQ(field.text(), "2012/02/29");
    EXPECT_EQ(ShowDate(field.Value()), "2012-02-29 00:00:00");

    const struct {
        const char *typed, *value, *shown;
    } rows[] = {{"2012-3-9", "2012-03-09 00:00:00", "2012/03/09"}, {"next friday", "2012-03-09 00:00:00", "2012/03/09"},
        {"2011/02/29", "invalid", "2011/02/29"}, {"", "invalid", ""}};
    for (const auto& row : rows) {
        field.SetValue(COleDateTimeEx(2000, 1, 1));
        field.clear();
        QTest::keyClicks(&field, row.typed);
        EXPECT_EQ(ShowDate(field.Value()), row.value) << row.typed;
        EXPECT_EQ(field.text(), row.typed) << "shown as typed until editing ends";
        emit field.editingFinished();
        EXPECT_EQ(ShowDate(field.Value()), row.value) << row.typed;
        EXPECT_EQ(field.text(), row.shown) << row.typed;
    }

    field.show();
    field.SetValue(COleDateTimeEx(2012, 1, 31));
    QTest::keyClick(&field, Qt::Key_Down, Qt::AltModifier);
    auto* calendar = field.findChild<QCalendarWidget*>("calendar");
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2012, 1, 31));
    emit calendar->clicked(QDate(2012, 4, 1));
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(field.text(), "2012/04/01");

    field.SetValue(COleDateTime::Invalid());
    field.ShowCalendar();
    EXPECT_EQ(calendar->selectedDate(), QDate(2012, 3, 5)) << "today when the field holds no date";
    QTest::keyClick(calendar, Qt::Key_Escape);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(field.text(), "");
}

// Five cities whose names a sorted box would reorder.
TEST(AstrologyDialog, CitiesInListOrderTheReportOrAMessageAndTheStateKept)
{
    CAstrologyDlg dialog;
    QStringList messages;
    dialog.SetMessageHook([&messages](const QString& text) { messages << text; });
    dialog.SetCityList({{"Zurich", "C", -60, 47.38, 8.55, "Europe/Zurich"},
                           {"Beijing", "C", -480, 39.9, 116.4, "Asia/Shanghai"}, {"Tokyo", "C", -540, 35.68, 139.7, ""},
                           {"Adelaide", "C", -570, -34.93, 138.6, ""}, {"Moscow", "C", -180, 55.75, 37.62, ""}},
        2);
    dialog.show();
    auto* combo = dialog.findChild<QComboBox*>("city");
    auto* report = dialog.findChild<QPlainTextEdit*>("report");
    auto* notice = dialog.findChild<QLabel*>("notice");
    const auto compute = [&dialog](const QString& date) {
        Type(dialog, "date", date);
        Click(dialog, "compute");
    };
    ASSERT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(0), "Zurich");
    EXPECT_EQ(combo->itemText(4), "Moscow");
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_TRUE(AstroDateText::CheckText(Text(dialog, "date").toStdString()).fields);
    // The hint names the separators the field is written with.
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(
        std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "YYYY-MM-DD HH:MM:SS"; }));

    QTest::keyClick(combo, Qt::Key_Up); // Beijing
    EXPECT_EQ(dialog.SelectedCity(), 1);
    compute("2011-11-24 10:30:00");
    ASSERT_TRUE(messages.isEmpty()) << messages.join(';').toStdString();
    EXPECT_NE(dialog.Report().find("\t     Sun\t\t241.45\t\t Sagittarius:  1\u00B027'\r\n"), std::string::npos);
    const QString shown = report->toPlainText();
    EXPECT_EQ(shown, QString::fromStdString(dialog.Report()).replace("\r\n", "\n"));
    dialog.close();
    dialog.show();
    EXPECT_EQ(Text(dialog, "date"), "2011-11-24 10:30:00");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(report->toPlainText(), shown);

    // The messages are the report's own, tested with it.
    compute("2011-13-01");
    EXPECT_EQ(messages, QStringList {"date time is not valid..."});
    EXPECT_EQ(report->toPlainText(), shown);

    // The analytic ephemeris's notice is beside the report, not in it.
    dialog.SetEphemeris(Ephemeris({"/nonexistent"}));
    compute("2011-11-24 10:30:00");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_FALSE(report->toPlainText().contains(notice->text()));
    if (!QFile::exists("/usr/share/libswe/ephe/sepl_18.se1"))
        GTEST_SKIP() << "the ephemeris data files are not installed";
    dialog.SetEphemeris(Ephemeris({"/usr/share/libswe/ephe"}));
    compute("2011-11-24 10:30:00");
    EXPECT_FALSE(notice->isVisible());
}
