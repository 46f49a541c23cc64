// quadrix-cli import, symbols, bars, rename and remove, run as functions.

#include "CommandRun.h"
#include "MarketCommands.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

class MarketCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("quadrix_market_cli_" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    QString Path(const std::string& name) const { return QString::fromStdString((m_dir / name).string()); }

    // Runs the command on the test's store.
    CommandRun Run(QStringList args) const
    {
        return Invoke(MarketCommands::Run, args << "--store" << Path("market.sqlite"));
    }

    QString Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name).toStdString(), std::ios::binary) << text;
        return Path(name);
    }

    std::string Store() const
    {
        std::ifstream in(Path("market.sqlite").toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
};

const char kDaily[] = "Date,Open,High,Low,Close,Volume\n"
                      "2024-01-02,10,11,9,10.5,1000\n"
                      "2024-01-03,10.5,12,10,11.25,\n"
                      "2024-01-04,11,11.5,10.1,11.1,900\n"
                      "2024-01-05,-0.05,0.1,-0.2,0.05,100000\n";

} // namespace

TEST_F(MarketCommandsTest, ImportedBarsReadBackAsJsonAndCsvThenGo)
{
    const QString file = Write("ES.csv", kDaily);
    // The symbol is the file's name; a second import of the same bars changes none.
    EXPECT_EQ(Run({"import", file}).out, R"({"symbol":"ES","added":4,"replaced":0,"skipped":0,"skipped_by_cause":{}})"
                                         "\n");
    EXPECT_EQ(Run({"import", file, "--format", "csv", "--name", "E-mini"}).out,
              "\xEF\xBB\xBFsymbol,added,replaced,skipped,skipped_by_cause\r\nES,0,0,0,\r\n");

    const nlohmann::json symbols = nlohmann::json::parse(Run({"symbols"}).out);
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0]["symbol"], "ES");
    EXPECT_EQ(symbols[0]["name"], "E-mini");
    EXPECT_EQ(symbols[0]["first"], "2024-01-02");
    EXPECT_EQ(symbols[0]["last"], "2024-01-05");
    EXPECT_EQ(symbols[0]["bars"], 4);
    EXPECT_EQ(symbols[0]["source_file"], file.toStdString());

    EXPECT_EQ(nlohmann::json::parse(Run({"bars", "ES", "--from", "2024-01-03", "--to", "2024-01-03"}).out),
              nlohmann::json::parse(R"([{"time":"2024-01-03","open":10.5,"high":12,"low":10,"close":11.25,
                                         "volume":null,"open_interest":null}])"));
    EXPECT_EQ(Run({"bars", "ES", "--format", "csv", "--from", "2024-01-03T00:00"}).out,
              "\xEF\xBB\xBFtime,open,high,low,close,volume,open_interest\r\n"
              "2024-01-03,10.5,12,10,11.25,,\r\n2024-01-04,11,11.5,10.1,11.1,900,\r\n"
              "2024-01-05,-0.05,0.1,-0.2,0.05,100000,\r\n");

    EXPECT_EQ(Run({"rename", "ES", "ESH5"}).out, "{\"symbol\":\"ESH5\",\"from\":\"ES\",\"bars\":4}\n");
    EXPECT_EQ(Run({"remove", "ESH5"}).out, "{\"symbol\":\"ESH5\",\"bars\":4}\n");
    EXPECT_EQ(Run({"symbols"}).out, "[]\n");
}

TEST_F(MarketCommandsTest, BadOptionsExitTwoAndBadFilesOneLeavingTheStoreAsItWas)
{
    Run({"import", Write("ES.csv", kDaily)});
    const std::string store = Store();
    const struct {
        QStringList args;
        int status;
        const char* message;
    } rows[] = {
        {{"bars", "ES", "--from", "2024-02-30"}, 2, "--from takes YYYY-MM-DD"},
        {{"bars", "ES", "--format", "xml"}, 2, "--format takes json or csv, not 'xml'"},
        {{"bars"}, 2, "bars takes one S"},
        {{"symbols", "ES"}, 2, "symbols takes no argument"},
        {{"symbols", "--skip-bad"}, 2, "skip-bad"},
        {{"bars", "NQ"}, 1, "no symbol NQ in the market store"},
        {{"remove", "NQ"}, 1, "no symbol NQ in the market store"},
        {{"rename", "ES"}, 2, "rename takes OLD NEW"},
        {{"rename", "NQ", "NQ1"}, 1, "no symbol NQ in the market store"},
        {{"rename", "ES", "ES"}, 1, "ES is in the market store already"},
        {{"import", Write("c.csv", kDaily), "--symbol", ""}, 2, "--symbol takes a symbol that is not empty"},
        {{"import", Path("missing.csv")}, 1, "missing.csv"},
        {{"import", Path("")}, 1, "not a regular file"},
        {{"import", Write("bad.csv", std::string(kDaily) + "2024-13-05,1,1,1,1,1\n"), "--symbol", "ES"}, 1, "bad.csv"},
        {{"import", Write("b1.csv", std::string(kDaily) + "2024-03-05,1,nan,1,1,1\n"), "--symbol", "ES"}, 1, "b1.csv"},
        {{"import", Write("b2.csv", std::string(kDaily) + "2024-03-05,1,1,2,1,1\n"), "--symbol", "ES"}, 1, "b2.csv"},
        {{"import", Write("b3.csv", std::string(kDaily) + "2024-03-05,3,2,1,1,1\n"), "--symbol", "ES"}, 1, "b3.csv"},
        {{"import", Write("b4.csv", std::string(kDaily) + "2024-01-02,1,9,1,2,1\n"), "--symbol", "ES"}, 1, "b4.csv"},
        {{"import", Write("new.csv", kDaily), "--dry-run"}, 0, ""},
    };
    for (const auto& row : rows) {
        const CommandRun run = Run(row.args);
        const std::string args = row.args.join(' ').toStdString();
        EXPECT_EQ(run.status, row.status) << args;
        EXPECT_EQ(run.err.rfind(std::string("quadrix-cli: "), 0), row.status ? 0u : std::string::npos) << args;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), row.status ? 1 : 0) << run.err;
    }
    EXPECT_EQ(Store(), store);
    EXPECT_EQ(nlohmann::json::parse(Run({"symbols"}).out).size(), 1u);

    Write("market.sqlite", std::string(1000, 'x'));
    const CommandRun damaged = Run({"symbols"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("not a market store"), std::string::npos) << damaged.err;

    // Only import makes a store: a mistyped one is said, not made.
    const CommandRun typo = Invoke(MarketCommands::Run, QStringList{"symbols", "--store", Path("typo.sqlite")});
    EXPECT_EQ(typo.status, 1);
    EXPECT_NE(typo.err.find("no market store at"), std::string::npos) << typo.err;
    EXPECT_FALSE(fs::exists(m_dir / "typo.sqlite"));
}
