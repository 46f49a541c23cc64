// The market store's dialogs driven offscreen: the import's choices, the
// import and its summary or failure, and the library's rename, remove,
// import again and choice, with the session following its instrument.

#include "MarketDialogs.h"
#include "MarketImportDialog.h"
#include "MarketLibraryDialog.h"
#include "MarketSession.h"
#include "ModalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>

namespace {

const std::string kSound = "Date,Open,High,Low,Close\n"
                           "2024-01-02,10,11,9,10.5\n"
                           "2024-01-03,10.5,12,10,11\n"
                           "2024-01-05,11,11.5,10.1,11.1\n";
const std::string kDaily = kSound + "2024-01-04,11,10,10.5,11\n"; // high below low
const std::string kLater = kSound + "2024-01-08,11,12,10,11.5\n";

// The questions answered as a script gives them; the messages kept.
class ScriptedDialogs : public CMarketDialogs {
public:
    using CMarketDialogs::CMarketDialogs;

    QString importPath;
    BarImport::Request choices; // its path taken from the one asked about
    QString newSymbol;
    bool removeAnswer = false;
    QStringList messages;
    QList<QMessageBox::Icon> icons;

protected:
    QString AskImportPath() override { return importPath; }
    std::optional<BarImport::Request> AskImportChoices(const QString& path) override
    {
        BarImport::Request request = choices;
        request.path = QFile::encodeName(path).toStdString();
        return request;
    }
    QString AskNewSymbol(const QString&) override { return newSymbol; }
    bool AskRemove(const QString&) override { return removeAnswer; }
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override { icons << icon, messages << text; }
};

class MarketDialogsTest : public testing::Test {
protected:
    void SetUp() override { m_session.SetStorePath(Path("market.sqlite").toStdString()); }

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Write(const QString& name, const std::string& text) const
    {
        std::ofstream(Path(name).toStdString(), std::ios::binary) << text;
        return Path(name);
    }
    std::string StoreBytes() const
    {
        std::ifstream in(Path("market.sqlite").toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<CMarketStore::Instrument> Instruments() const
    {
        return CMarketStore::Open(m_session.StorePath()).Value()->Instruments().Value();
    }

    QTemporaryDir m_dir;
    CMarketSession m_session;
    QWidget m_window;
    ScriptedDialogs m_dialogs{m_session, &m_window};
};

QString Cell(QWidget& dialog, int row, int column)
{
    return dialog.findChild<QTableWidget*>("instruments")->item(row, column)->text();
}

} // namespace

// The form offers the file's ticker and name, else its stem, the
// computer's zone and detection; a zone the reader does not know keeps it
// open with the reason.
TEST(MarketImportDialog, FormGivesTheChoicesAndRefusesAnUnknownZone)
{
    QTemporaryDir dir;
    const QString titled = dir.filePath("sh600000.txt");
    std::ofstream(titled.toStdString()) << "600000 浦发银行 日线\n" << kSound;
    WhenModal<CMarketImportDialog>([](CMarketImportDialog& d) {
        EXPECT_EQ(Text(d, "symbol"), "600000");
        EXPECT_EQ(Text(d, "name"), "浦发银行");
        Click(d, "ok");
    });
    const std::optional<BarImport::Request> fromTitle = CMarketImportDialog::Ask(titled, nullptr);
    ASSERT_TRUE(fromTitle);
    EXPECT_EQ(fromTitle->symbol, "600000");
    EXPECT_EQ(fromTitle->name, "浦发银行");

    WhenModal<CMarketImportDialog>([](CMarketImportDialog& d) {
        EXPECT_EQ(Text(d, "symbol"), "ES");
        EXPECT_EQ(Text(d, "name"), "");
        auto* zone = d.findChild<QComboBox*>("zone");
        EXPECT_EQ(zone->currentText(), "Asia/Shanghai");
        zone->setEditText("Mars/Olympus");
        Click(d, "ok");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.findChild<QLabel*>("problem")->text(), "unknown time zone \"Mars/Olympus\"");
        zone->setEditText("America/New_York");
        Type(d, "symbol", " ESH5 ");
        d.findChild<QComboBox*>("dateForm")->setCurrentIndex(2);
        d.findChild<QCheckBox*>("skipBad")->setChecked(true);
        Click(d, "ok");
    });
    const std::optional<BarImport::Request> request = CMarketImportDialog::Ask("/data/ES.csv", nullptr);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->path, "/data/ES.csv");
    EXPECT_EQ(request->symbol, "ESH5");
    EXPECT_FALSE(request->name);
    EXPECT_EQ(request->options.dateFormat, "MM/DD/YYYY");
    EXPECT_EQ(request->options.zone, "America/New_York");
    EXPECT_TRUE(request->options.skipBad);
    EXPECT_TRUE(request->store.empty());

    WhenModal<CMarketImportDialog>([](CMarketImportDialog& d) { Click(d, "cancel"); });
    EXPECT_FALSE(CMarketImportDialog::Ask("/data/ES.csv", nullptr));
}

// A sound import says what it added, replaced and skipped and reloads the
// current instrument; a bad file says the core's line and stores nothing.
TEST_F(MarketDialogsTest, ImportSaysWhatItStoredOrWhyNot)
{
    QSignalSpy imported(&m_dialogs, &CMarketDialogs::imported);
    m_dialogs.importPath = Write("ES.csv", kDaily);
    m_dialogs.choices.options.skipBad = true;
    m_dialogs.Import();
    EXPECT_EQ(m_dialogs.messages, QStringList{"ES：新增 3 根K线，替换 0 根，跳过 1 行。\n跳过的原因：high below low: 1"});
    ASSERT_EQ(imported.size(), 1);
    EXPECT_EQ(imported[0][0].toString(), "ES");
    ASSERT_EQ(Instruments().size(), 1u);
    EXPECT_EQ(Instruments()[0].bars, 3);
    EXPECT_EQ(Instruments()[0].zone, "Asia/Shanghai");

    ASSERT_TRUE(m_session.Choose("ES").Ok());
    Write("ES.csv", kLater);
    EXPECT_TRUE(m_dialogs.ImportFile(m_dialogs.importPath));
    EXPECT_EQ(m_session.Series()->bars.size(), 4u);

    const std::string before = StoreBytes();
    m_dialogs.messages.clear();
    m_dialogs.choices.options.skipBad = false;
    EXPECT_FALSE(m_dialogs.ImportFile(Write("bad.csv", kDaily)));
    EXPECT_EQ(m_dialogs.icons.back(), QMessageBox::Warning);
    EXPECT_EQ(m_dialogs.messages,
              QStringList{Path("bad.csv") + ", line 5, column 3: high below low: \"10\""});
    EXPECT_EQ(imported.size(), 2);
    EXPECT_EQ(StoreBytes(), before);
}

// Each change in the library shows in its table at once, and the session
// follows its instrument: renamed, imported again, removed.
TEST_F(MarketDialogsTest, LibraryRenamesRemovesImportsAgainAndChooses)
{
    m_dialogs.ImportFile(Write("ES.csv", kSound));
    m_dialogs.ImportFile(Write("NQ.csv", kSound));
    ASSERT_TRUE(m_session.Choose("ES").Ok());
    m_dialogs.messages.clear();
    QSignalSpy chosen(&m_dialogs, &CMarketDialogs::instrumentChosen);

    WhenModal<CMarketLibraryDialog>([this](CMarketLibraryDialog& d) {
        auto* table = d.findChild<QTableWidget*>("instruments");
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(d.Chosen(), "ES"); // the current instrument
        EXPECT_EQ(QStringList({Cell(d, 0, 0), Cell(d, 0, 2), Cell(d, 0, 3), Cell(d, 0, 4)}),
                  QStringList({"ES", "2024-01-02", "2024-01-05", "3"}));

        m_dialogs.newSymbol = "NQ";
        Click(d, "rename");
        EXPECT_EQ(m_dialogs.messages.value(0), Path("market.sqlite") + ": NQ is in the market store already");
        m_dialogs.newSymbol = "ESH5";
        Click(d, "rename");
        EXPECT_EQ(Cell(d, 0, 0), "ESH5");
        EXPECT_EQ(d.Chosen(), "ESH5");
        EXPECT_EQ(m_session.Instrument()->symbol, "ESH5");

        Write("ES.csv", kLater);
        Click(d, "reimport");
        EXPECT_EQ(m_dialogs.messages.value(1), "ESH5：新增 1 根K线，替换 0 根，跳过 0 行。");
        EXPECT_EQ(Cell(d, 0, 4), "4");
        EXPECT_EQ(m_session.Series()->bars.size(), 4u);

        Click(d, "remove"); // answered no
        EXPECT_EQ(table->rowCount(), 2);
        m_dialogs.removeAnswer = true;
        Click(d, "remove");
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_FALSE(m_session.HasInstrument());

        QFile::remove(Path("NQ.csv"));
        table->selectRow(0);
        Click(d, "reimport");
        EXPECT_EQ(m_dialogs.messages.value(2), "NQ 的源文件已不在：" + Path("NQ.csv"));

        const QRect cell = table->visualRect(table->model()->index(0, 1));
        // A user's double-click starts with a click, which Qt Test's leaves out.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        if (d.isVisible()) {
            ADD_FAILURE() << "a double-click leaves the library open";
            d.reject();
        }
    });
    m_dialogs.Library();
    EXPECT_EQ(m_dialogs.messages.size(), 3);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "NQ");
}
