// The chart properties dialog and the note dialog, driven offscreen.

#include "BaseDraw.h"
#include "ChartKinds.h"
#include "ChartPropertyDialog.h"
#include "ChartPropertyRules.h"
#include "CommentsDialog.h"
#include "ModalDialog.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace CR = ChartPropertyRules;

namespace {

// What the chart hands over for a new note, and a filled note with a box.
const Comments kNewNote {"", Colors::Yellow, 16, 400, 0, 0, "", {}, Colors::Black};
const Comments kFilledNote {"第一行\nsecond line", MakeColor(200, 220, 255), -20, 700, 1, 134, "DejaVu Serif",
    {10, 20, 110, 60}, MakeColor(0x12, 0x34, 0x56)};

bool SameNote(const Comments& a, const Comments& b)
{
    return a == b && a.m_nWeight == b.m_nWeight && a.m_rcBox == b.m_rcBox;
}

} // namespace

// Each bad edit in turn: OK is refused with its message, the dialog stays
// open and the whole edit is selected for the correction.
TEST(ChartPropertyDialog, ChecksInOrderAndFocusesTheFirstBadEdit)
{
    CChartProperty dialog(CR::Values {10, 1, 100.0f, 0.25f, "2012-02-29"});
    QStringList messages;
    dialog.SetMessageHook([&messages](const QString& m) { messages << m; });
    dialog.show();
    const struct {
        const char *edit, *bad, *message, *good;
    } rows[] = {{"rings", "2", "Enter an integer between 3 and 40.", "12"}, {"timeStep", "x", "Enter an integer.", "0"},
        {"start", "abc", "Enter a number.", "0.5"}, {"step", "nan", "Enter a number.", "0.05"},
        {"startDate", "2012-1-5", "The date format should be : YYYY-MM-DD", "2012/02/29"}};
    for (const auto& row : rows)
        Type(dialog, row.edit, row.bad);
    for (const auto& row : rows) {
        Click(dialog, "ok");
        EXPECT_EQ(messages, QStringList {row.message});
        messages.clear();
        EXPECT_TRUE(dialog.isVisible());
        QLineEdit* focused = dialog.findChild<QLineEdit*>(row.edit);
        EXPECT_EQ(dialog.focusWidget(), focused) << row.edit;
        EXPECT_EQ(focused->selectedText(), focused->text()) << row.edit;
        Type(dialog, row.edit, row.good);
    }
    Click(dialog, "ok");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted); // the values it keeps go to the chart in the test below
}

TEST(ChartPropertyEdit, OpensOnTheChartAndWritesBackOnlyOnOk)
{
    const ChartKind* kind = FindChartKind("hexagon");
    auto chart = kind->create();
    chart->SetRings(kind->defaultRings);
    const std::int64_t startTime = chart->m_tStartTime;
    const QString today = QString::fromStdString(CR::StartDateText(startTime));
    const char* const edits[] = {"rings", "start", "step", "startDate", "timeStep"};
    const auto fillAndPress = [&](const char* button) {
        return [&, button](CChartProperty& d) {
            EXPECT_EQ(d.windowTitle(), "Hexagon");
            const QStringList shown = {"11", "1", "1", today, "1"}, typed = {"20", "0.5", "0.05", "2012-02-29", "3"};
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(Text(d, edits[i]), shown[i]) << edits[i];
                Type(d, edits[i], typed[i]);
            }
            Click(d, button);
        };
    };

    WhenModal<CChartProperty>(fillAndPress("cancel"));
    EXPECT_FALSE(CChartProperty::Edit(*chart, nullptr));
    EXPECT_EQ(chart->GetRings(), 11);
    EXPECT_EQ(chart->m_tStartTime, startTime);

    WhenModal<CChartProperty>(fillAndPress("ok"));
    EXPECT_TRUE(CChartProperty::Edit(*chart, nullptr));
    EXPECT_EQ(chart->GetRings(), 20);
    EXPECT_FLOAT_EQ(chart->m_fStartPrice, 0.5f);
    EXPECT_FLOAT_EQ(chart->m_fPriceStep, 0.05f);
    EXPECT_EQ(CR::StartDateText(chart->m_tStartTime), "2012-02-29");
    EXPECT_EQ(chart->m_nTimeStep, 3);
}

// A new note starts in the interface font; a filled one is shown as held, in
// its colours, and OK hands it back. Typing two lines and Cancel are the
// chart view's test.
TEST(CommentsDialog, ShowsTheNoteAsHeldAndOkHandsItBack)
{
    Comments note = kNewNote;
    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        // Height 16 is the height of a line.
        EXPECT_LE(QFontMetrics(text->font()).height(), 16);
        EXPECT_GE(QFontMetrics(text->font()).height(), 12);
        Click(d, "ok");
    });
    ASSERT_TRUE(CCommentsDlg::Edit(note, nullptr));
    Comments expected = kNewNote;
    expected.m_strFace = QApplication::font().family().toStdString();
    EXPECT_TRUE(SameNote(note, expected));

    note = kFilledNote;
    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        EXPECT_EQ(text->toPlainText(), "第一行\nsecond line");
        EXPECT_EQ(text->font().pixelSize(), 20);
        EXPECT_EQ(text->font().weight(), QFont::Bold);
        EXPECT_TRUE(text->font().italic());
        EXPECT_EQ(text->palette().color(QPalette::Base), QColor(200, 220, 255));
        EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0x12, 0x34, 0x56));
        Click(d, "ok");
    });
    ASSERT_TRUE(CCommentsDlg::Edit(note, nullptr));
    EXPECT_TRUE(SameNote(note, kFilledNote));
}

TEST(CommentsDialog, ChosenFontAndColoursBecomeTheNotes)
{
    CCommentsDlg dialog(kNewNote);
    QFont offered;
    QColor offeredColor;
    std::optional<QColor> answer;
    dialog.SetChoosers(
        [&offered](const QFont& initial, QWidget*) {
            offered = initial;
            QFont font(QStringLiteral("DejaVu Sans Mono"));
            font.setPixelSize(24);
            font.setWeight(QFont::Bold);
            font.setItalic(true);
            return std::optional<QFont>(font);
        },
        [&offeredColor, &answer](const QColor& initial, const QString&, QWidget*) {
            offeredColor = initial;
            return answer;
        });
    dialog.show();

    const QFont before = dialog.DisplayFont();
    Click(dialog, "font");
    EXPECT_EQ(offered, before);
    const Comments chosen = dialog.Note(); // at a character height
    EXPECT_EQ(std::tie(chosen.m_nHeight, chosen.m_nWeight, chosen.m_bItalic, chosen.m_strFace),
        std::make_tuple(-24, 700, static_cast<unsigned char>(1), std::string("DejaVu Sans Mono")));
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("text")->font().pixelSize(), 24);

    answer = QColor(Qt::red);
    Click(dialog, "textColor");
    EXPECT_EQ(offeredColor, QColor(0, 0, 0));
    answer = std::nullopt; // the user cancels the colour chooser
    Click(dialog, "backColor");
    EXPECT_EQ(offeredColor, QColor(255, 255, 0));
    EXPECT_EQ(dialog.Note().m_crBack, Colors::Yellow);
    answer = QColor(0, 128, 0);
    Click(dialog, "backColor");
    EXPECT_EQ(dialog.Note().m_crText, Colors::Red);
    EXPECT_EQ(dialog.Note().m_crBack, Colors::Green);
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("text")->palette().color(QPalette::Base), QColor(0, 128, 0));
}
