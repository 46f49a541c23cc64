#include "BarTime.h"
#include "MarketStore.h"

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kDay = BarTime::kSecondsPerDay;

// A folder of its own for each test, removed after it.
class MarketStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("quadrix_store_" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    std::unique_ptr<CMarketStore> OpenStore(const std::string& path)
    {
        Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(path);
        EXPECT_TRUE(store.Ok()) << store.Message();
        return store.Ok() ? std::move(store.Value()) : nullptr;
    }

    fs::path m_dir;
};

std::string Bytes(const std::string& path)
{
    if (fs::is_directory(path))
        return "folder";
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Daily bars from day 1 on, the close rising by one a day.
BarSeries Daily(std::initializer_list<double> closes, std::int64_t firstDay = 1)
{
    BarSeries series;
    for (const double close : closes)
        series.bars.push_back({(firstDay + std::int64_t(series.bars.size())) * kDay, close, close + 1, close - 1,
                               close, 100.0, std::nullopt});
    return series;
}

CMarketStore::Instrument Named(const std::string& symbol, const std::string& name = "")
{
    CMarketStore::Instrument instrument;
    instrument.symbol = symbol;
    instrument.name = name;
    instrument.sourceFile = "/data/" + symbol + ".csv";
    return instrument;
}

} // namespace

TEST(BarTime, TextAndParseRoundTrip)
{
    const struct {
        const char* text;
        std::int64_t time;
        bool intraday;
    } rows[] = {{"1970-01-01", 0, false},
                {"2024-02-29", 19782 * kDay, false},
                {"1969-12-31T23:59:59", -1, true},
                {"2000-03-01T09:30:00", 11017 * kDay + 9 * 3600 + 30 * 60, true},
                {"1600-02-29", -135081 * kDay, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(BarTime::Text(row.time, row.intraday), row.text);
        EXPECT_EQ(BarTime::Parse(row.text), row.time) << row.text;
    }
    EXPECT_EQ(BarTime::Parse("2000-03-01T09:30"), 11017 * kDay + 9 * 3600 + 30 * 60);
    for (const char* bad : {"2023-02-29", "2024-13-01", "2024-00-10", "2024-01-01T24:00", "2024-1-01", "20240101"})
        EXPECT_FALSE(BarTime::Parse(bad)) << bad;
}

TEST_F(MarketStoreTest, ImportMergesReadsBackAndRemoves)
{
    // The folder of the store is made where it is missing.
    const std::string path = Path("data/quadrix/market.sqlite");
    {
        std::unique_ptr<CMarketStore> store = OpenStore(path);
        const Result<CMarketStore::Merged> first = store->Import(Named("ES", "E-mini"), Daily({10, 11, 12}));
        ASSERT_TRUE(first.Ok()) << first.Message();
        EXPECT_EQ(first.Value().added, 3);
        EXPECT_EQ(first.Value().replaced, 0);
    }
    std::unique_ptr<CMarketStore> store = OpenStore(path);
    // Day 2 unchanged, day 3 changed, day 4 new; an empty name keeps the stored one.
    BarSeries newer = Daily({11, 13, 14}, 2);
    newer.bars[0].volume = 100.0;
    const Result<CMarketStore::Merged> merged = store->Import(Named("ES"), newer);
    ASSERT_TRUE(merged.Ok()) << merged.Message();
    EXPECT_EQ(merged.Value().added, 1);
    EXPECT_EQ(merged.Value().replaced, 1);
    // A volume that appears counts as a change.
    newer.bars[2].openInterest = 7.0;
    EXPECT_EQ(store->Import(Named("ES"), newer).Value().replaced, 1);

    ASSERT_TRUE(store->Import(Named("AAA"), Daily({5})).Ok());
    const Result<std::vector<CMarketStore::Instrument>> all = store->Instruments();
    ASSERT_TRUE(all.Ok() && all.Value().size() == 2);
    const CMarketStore::Instrument& es = all.Value()[1];
    EXPECT_EQ(all.Value()[0].symbol, "AAA");
    EXPECT_EQ(es.name, "E-mini");
    EXPECT_EQ(es.sourceFile, "/data/ES.csv");
    EXPECT_EQ(es.first, 1 * kDay);
    EXPECT_EQ(es.last, 4 * kDay);
    EXPECT_EQ(es.bars, 4);

    const Result<BarSeries> some = store->Bars("ES", 2 * kDay, 3 * kDay);
    ASSERT_TRUE(some.Ok());
    ASSERT_EQ(some.Value().bars.size(), 2u);
    EXPECT_EQ(some.Value().bars[1], newer.bars[1]);
    EXPECT_EQ(store->Bars("ES").Value().bars.size(), 4u);
    EXPECT_EQ(store->Bars("ES", 5 * kDay).Value().bars.size(), 0u);
    EXPECT_EQ(store->Bars("NQ").Message(), path + ": no symbol NQ in the market store");

    // A symbol keeps one kind of bar.
    BarSeries minutes = Daily({1});
    minutes.intraday = true;
    EXPECT_EQ(store->Import(Named("ES"), minutes).Message(),
              "ES holds daily bars, and this file has intraday ones");

    // A rename keeps the bars and the instrument's facts; one that fails changes nothing.
    const struct {
        const char* from;
        const char* to;
        std::string message;
    } refused[] = {
        {"NQ", "NQ1", path + ": no symbol NQ in the market store"},
        {"ES", "AAA", path + ": AAA is in the market store already"},
        {"ES", "ES", path + ": ES is in the market store already"},
        {"ES", "", "the new symbol of ES is empty"},
    };
    for (const auto& row : refused)
        EXPECT_EQ(store->Rename(row.from, row.to).Message(), row.message) << row.from << " " << row.to;
    ASSERT_TRUE(store->Rename("ES", "ESH5").Ok());
    EXPECT_FALSE(store->Find("ES"));
    EXPECT_EQ(store->Find("ESH5")->name, "E-mini");
    EXPECT_EQ(store->Bars("ESH5").Value().bars.size(), 4u);
    EXPECT_EQ(store->Bars("AAA").Value().bars.size(), 1u);

    ASSERT_TRUE(store->Remove("ESH5").Ok());
    EXPECT_FALSE(store->Find("ESH5"));
    EXPECT_EQ(store->Instruments().Value().size(), 1u);
    EXPECT_FALSE(store->Remove("ESH5").Ok());
}

TEST_F(MarketStoreTest, FailedImportLeavesTheFileAsItWas)
{
    const std::string path = Path("market.sqlite");
    OpenStore(path)->Import(Named("ES"), Daily({10, 11}));
    const std::string before = Bytes(path);
    {
        std::unique_ptr<CMarketStore> store = OpenStore(path);
        // The third bar breaks a constraint after two were written.
        BarSeries broken = Daily({20, 21, 22, 23});
        broken.bars[2].close = std::nan("");
        EXPECT_FALSE(store->Import(Named("ES", "renamed"), broken).Ok());
        EXPECT_FALSE(store->Import(Named("NEW"), broken).Ok());
        // So does an import stopped by its progress, the instrument's row included.
        const Progress stop = [](double) { return false; };
        EXPECT_EQ(store->Import(Named("NEW"), Daily({1, 2}), stop).Message(),
                  "the import of NEW was cancelled; the store is left as it was");
        EXPECT_FALSE(store->Import(Named("ES", "renamed"), Daily({30}), stop).Ok());
        EXPECT_FALSE(store->Find("NEW"));
        EXPECT_EQ(store->Find("ES")->name, "");
    }
    EXPECT_EQ(Bytes(path), before);
}

TEST_F(MarketStoreTest, ForeignDamagedAndNewerFilesAreRefusedUntouched)
{
    const std::string store = Path("store.sqlite");
    OpenStore(store)->Import(Named("ES"), Daily({10, 11}));
    const std::string bytes = Bytes(store);

    const std::string foreign = Path("foreign.sqlite");
    SQLite::Database(foreign, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec("CREATE TABLE t (x)");
    const std::string stamped = Path("stamped.sqlite");
    SQLite::Database(stamped, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec("PRAGMA application_id = 7");
    const std::string newer = Path("newer.sqlite");
    fs::copy_file(store, newer);
    SQLite::Database(newer, SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 99");
    std::ofstream(Path("random.sqlite"), std::ios::binary) << std::string(4096, '\x5a');
    std::ofstream(Path("truncated.sqlite"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    fs::create_directory(Path("folder.sqlite"));

    const std::pair<std::string, const char*> refused[] = {
        {foreign, "another program's SQLite database"},
        {stamped, "another program's SQLite database"},
        {newer, "a newer version of this program (schema 99)"},
        {Path("random.sqlite"), "not a market store (not an SQLite database)"},
        {Path("truncated.sqlite"), "damaged"},
        {Path("folder.sqlite"), "not a regular file"}};
    for (const auto& [path, why] : refused) {
        const std::string was = Bytes(path);
        const Result<std::unique_ptr<CMarketStore>> opened = CMarketStore::Open(path);
        ASSERT_FALSE(opened.Ok()) << path;
        EXPECT_EQ(opened.Message().rfind(path + ": ", 0), 0u) << opened.Message();
        EXPECT_NE(opened.Message().find(why), std::string::npos) << opened.Message();
        EXPECT_NE(opened.Message().find("left as it is"), std::string::npos) << opened.Message();
        EXPECT_EQ(opened.Message().find('\n'), std::string::npos);
        EXPECT_EQ(Bytes(path), was) << path;
    }
}

TEST_F(MarketStoreTest, AnotherWriterMakesAChangeBusy)
{
    const std::string path = Path("market.sqlite");
    std::unique_ptr<CMarketStore> store = std::move(CMarketStore::Open(path, std::chrono::milliseconds(0)).Value());
    SQLite::Database other(path, SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    const Result<CMarketStore::Merged> blocked = store->Import(Named("ES"), Daily({1}));
    EXPECT_NE(blocked.Message().find("busy"), std::string::npos) << blocked.Message();
    // Readers are not held up by a writer.
    EXPECT_TRUE(store->Instruments().Ok());
    other.exec("ROLLBACK");
    EXPECT_TRUE(store->Import(Named("ES"), Daily({1})).Ok());
}

TEST_F(MarketStoreTest, DefaultPathFollowsTheEnvironment)
{
    const struct {
        const char* store;
        const char* data;
        const char* path;
    } rows[] = {{"/s/m.db", "/x", "/s/m.db"},
                {"", "/x", "/x/quadrix/market.sqlite"},
                {nullptr, nullptr, "/home/u/.local/share/quadrix/market.sqlite"},
                {nullptr, "relative", "/home/u/.local/share/quadrix/market.sqlite"}};
    setenv("HOME", "/home/u", 1);
    for (const auto& row : rows) {
        row.store ? setenv("QUADRIX_STORE", row.store, 1) : unsetenv("QUADRIX_STORE");
        row.data ? setenv("XDG_DATA_HOME", row.data, 1) : unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(CMarketStore::DefaultPath(), row.path);
    }
}
