#include "MarketStore.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>

namespace {

// The schema, one step per version: step v takes a store of version v to
// v + 1, so that an older store is brought up to date in one transaction.
// Bars are clustered by instrument and time, so that one market's history
// is read in one sweep of the table.
const char* const kMigrations[] = {
    "CREATE TABLE instruments ("
    "  id INTEGER PRIMARY KEY,"
    "  symbol TEXT NOT NULL UNIQUE,"
    "  name TEXT NOT NULL,"
    "  zone TEXT NOT NULL,"
    "  source_file TEXT NOT NULL,"
    "  imported TEXT NOT NULL,"
    "  intraday INTEGER NOT NULL);"
    "CREATE TABLE bars ("
    "  instrument INTEGER NOT NULL REFERENCES instruments(id),"
    "  time INTEGER NOT NULL,"
    "  open REAL NOT NULL,"
    "  high REAL NOT NULL,"
    "  low REAL NOT NULL,"
    "  close REAL NOT NULL,"
    "  volume REAL,"
    "  open_interest REAL,"
    "  PRIMARY KEY (instrument, time)) WITHOUT ROWID;",
};
constexpr int kSchemaVersion = static_cast<int>(std::size(kMigrations));

// Marks the file as this program's store ("QDRX"), so that another
// program's SQLite file is never taken for one.
constexpr std::uint32_t kApplicationId = 0x51445258;

// Bars written between two reports of progress.
constexpr std::int64_t kProgressBars = 1 << 16;

// What SQLite's first 100 bytes hold at fixed offsets.
constexpr std::size_t kHeaderSize = 100;
const char kMagic[] = "SQLite format 3";

std::uint32_t BigEndian(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[i];
    return value;
}

Failure NotAStore(const std::string& path, const std::string& why)
{
    return Failure{path + ": " + why + "; the file is left as it is"};
}

// Reads the header of the file at path without writing a byte: a file that
// is absent or empty becomes a new store; one that is not SQLite, another
// program's, or shorter than its header says is refused.
Result<void> CheckHeader(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? Result<void>() : Failure{path + ": " + std::strerror(errno)};
    if (!S_ISREG(st.st_mode))
        return NotAStore(path, "not a regular file, so not a market store");
    if (st.st_size == 0)
        return {};
    unsigned char header[kHeaderSize] = {};
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure{path + ": " + std::strerror(errno)};
    const ssize_t got = read(fd, header, sizeof header);
    close(fd);
    if (got != static_cast<ssize_t>(kHeaderSize) || std::memcmp(header, kMagic, sizeof kMagic) != 0)
        return NotAStore(path, "not a market store (not an SQLite database)");
    const std::uint32_t applicationId = BigEndian(header + 68, 4);
    if (applicationId != kApplicationId && applicationId != 0)
        return NotAStore(path, "another program's SQLite database, not a market store");
    const std::uint32_t pageSize = BigEndian(header + 16, 2) == 1 ? 65536 : BigEndian(header + 16, 2);
    // The page count is only current when its version matches the change counter.
    const bool countValid = BigEndian(header + 92, 4) == BigEndian(header + 24, 4);
    if (countValid && static_cast<std::uint64_t>(st.st_size) < std::uint64_t(pageSize) * BigEndian(header + 28, 4))
        return NotAStore(path, "a damaged market store (shorter than its header says)");
    return {};
}

// The one-line message of a failed database operation on path.
Failure StoreFailure(const std::string& path, const SQLite::Exception& e)
{
    switch (e.getErrorCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Failure{path + ": busy: another program is changing the market store; try again when it is done"};
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return NotAStore(path, "a damaged market store");
    default:
        return Failure{path + ": " + e.what()};
    }
}

std::string UtcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

// Creates the folders above path that are missing, private to the user as
// data folders are.
void MakeParentFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}

void BindOptional(SQLite::Statement& statement, int index, const std::optional<double>& value)
{
    if (value)
        statement.bind(index, *value);
    else
        statement.bind(index);
}

// A bar of a row of time, open, high, low, close, volume and open interest,
// read from SQLite's own statement: a history of millions of bars is read
// without a column object for each value.
Bar BarOf(sqlite3_stmt* row)
{
    const auto optional = [row](int column) {
        return sqlite3_column_type(row, column) == SQLITE_NULL ? std::nullopt
                                                               : std::optional<double>(sqlite3_column_double(row, column));
    };
    return {sqlite3_column_int64(row, 0), sqlite3_column_double(row, 1), sqlite3_column_double(row, 2),
            sqlite3_column_double(row, 3), sqlite3_column_double(row, 4), optional(5), optional(6)};
}

// An instrument with its first and last bar and their count, each found on
// the bars' key rather than by grouping every bar of the store.
const char kInstrumentColumns[] =
    "SELECT i.symbol, i.name, i.zone, i.source_file, i.imported, i.intraday, "
    "(SELECT min(time) FROM bars WHERE instrument = i.id), (SELECT max(time) FROM bars WHERE instrument = i.id), "
    "(SELECT count(*) FROM bars WHERE instrument = i.id) FROM instruments i ";

CMarketStore::Instrument InstrumentOf(SQLite::Statement& row)
{
    CMarketStore::Instrument i;
    i.symbol = row.getColumn(0).getString();
    i.name = row.getColumn(1).getString();
    i.zone = row.getColumn(2).getString();
    i.sourceFile = row.getColumn(3).getString();
    i.imported = row.getColumn(4).getString();
    i.intraday = row.getColumn(5).getInt() != 0;
    i.first = row.getColumn(6).getInt64();
    i.last = row.getColumn(7).getInt64();
    i.bars = row.getColumn(8).getInt64();
    return i;
}

} // namespace

struct CMarketStore::Impl {
    std::string path;
    SQLite::Database db;

    Impl(const std::string& p, std::chrono::milliseconds busyWait)
        : path(p)
        // One thread uses a store, so SQLite's locks around each call are spared.
        , db(p, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE | SQLite::OPEN_NOMUTEX,
             static_cast<int>(busyWait.count()))
    {
    }

    // Refuses a SQLite file that is not a store of a schema this program
    // knows; nothing is written before this says yes.
    Result<void> CheckContents()
    {
        const std::int64_t applicationId = db.execAndGet("PRAGMA application_id").getInt64();
        const int version = db.execAndGet("PRAGMA user_version").getInt();
        const std::int64_t objects = db.execAndGet("SELECT count(*) FROM sqlite_master").getInt64();
        if (applicationId == 0 && objects > 0)
            return NotAStore(path, "another program's SQLite database, not a market store");
        if (version > kSchemaVersion)
            return NotAStore(path, "a market store of a newer version of this program (schema " +
                                       std::to_string(version) + ")");
        return {};
    }

    // Brings the schema to kSchemaVersion, in one transaction.
    void Migrate()
    {
        const int version = db.execAndGet("PRAGMA user_version").getInt();
        if (version == kSchemaVersion)
            return;
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        for (int step = version; step < kSchemaVersion; ++step)
            db.exec(kMigrations[step]);
        // PRAGMAs take no bound values; both numbers are this program's constants.
        db.exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
        db.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
        transaction.commit();
    }

    std::optional<Instrument> FindInstrument(const std::string& symbol) const
    {
        SQLite::Statement query(db, std::string(kInstrumentColumns) + "WHERE i.symbol = ?");
        query.bind(1, symbol);
        return query.executeStep() ? std::optional<Instrument>(InstrumentOf(query)) : std::nullopt;
    }

    std::optional<std::int64_t> InstrumentId(const std::string& symbol) const
    {
        SQLite::Statement query(db, "SELECT id FROM instruments WHERE symbol = ?");
        query.bind(1, symbol);
        return query.executeStep() ? std::optional<std::int64_t>(query.getColumn(0).getInt64()) : std::nullopt;
    }

    std::int64_t BarCount(std::int64_t instrument) const
    {
        SQLite::Statement query(db, "SELECT count(*) FROM bars WHERE instrument = ?");
        query.bind(1, instrument);
        query.executeStep();
        return query.getColumn(0).getInt64();
    }

    std::int64_t SaveInstrument(const Instrument& i, bool intraday)
    {
        SQLite::Statement upsert(db,
            "INSERT INTO instruments (symbol, name, zone, source_file, imported, intraday) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT (symbol) DO UPDATE SET "
            "name = CASE WHEN ?2 = '' THEN name ELSE ?2 END, zone = ?3, source_file = ?4, imported = ?5");
        upsert.bind(1, i.symbol);
        upsert.bind(2, i.name);
        upsert.bind(3, i.zone);
        upsert.bind(4, i.sourceFile);
        upsert.bind(5, i.imported.empty() ? UtcNow() : i.imported);
        upsert.bind(6, intraday ? 1 : 0);
        upsert.exec();
        return *InstrumentId(i.symbol);
    }

    // Appends the bars of symbol from..to to bars, through SQLite's own
    // statement: a history of millions of bars is read without a column
    // object for each value.
    void ReadBars(const std::string& symbol, std::int64_t from, std::int64_t to, std::vector<Bar>& bars) const
    {
        sqlite3_stmt* prepared = nullptr;
        Check(sqlite3_prepare_v2(db.getHandle(),
            "SELECT b.time, b.open, b.high, b.low, b.close, b.volume, b.open_interest FROM bars b "
            "JOIN instruments i ON b.instrument = i.id WHERE i.symbol = ? AND b.time BETWEEN ? AND ? "
            "ORDER BY b.time", -1, &prepared, nullptr));
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> query(prepared, sqlite3_finalize);
        Check(sqlite3_bind_text(prepared, 1, symbol.data(), static_cast<int>(symbol.size()), SQLITE_STATIC));
        Check(sqlite3_bind_int64(prepared, 2, from));
        Check(sqlite3_bind_int64(prepared, 3, to));
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(prepared)) == SQLITE_ROW)
            bars.push_back(BarOf(prepared));
        if (step != SQLITE_DONE)
            Check(step);
    }

    void Check(int code) const
    {
        if (code != SQLITE_OK)
            throw SQLite::Exception(db.getHandle(), code);
    }

    // Writes the bars, each a new one or one replacing a bar that differs;
    // the count of rows written, or none when progress stopped the writing.
    std::optional<std::int64_t> WriteBars(std::int64_t instrument, const BarSeries& series, const Progress& progress)
    {
        SQLite::Statement upsert(db,
            "INSERT INTO bars (instrument, time, open, high, low, close, volume, open_interest) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (instrument, time) DO UPDATE SET "
            "open = excluded.open, high = excluded.high, low = excluded.low, close = excluded.close, "
            "volume = excluded.volume, open_interest = excluded.open_interest "
            "WHERE (open, high, low, close, volume, open_interest) IS NOT "
            "(excluded.open, excluded.high, excluded.low, excluded.close, excluded.volume, excluded.open_interest)");
        std::int64_t written = 0;
        std::int64_t done = 0;
        upsert.bind(1, instrument);
        for (const Bar& bar : series.bars) {
            if (done++ % kProgressBars == 0 && progress &&
                !progress(static_cast<double>(done - 1) / static_cast<double>(series.bars.size())))
                return std::nullopt;
            upsert.bind(2, static_cast<std::int64_t>(bar.time));
            upsert.bind(3, bar.open);
            upsert.bind(4, bar.high);
            upsert.bind(5, bar.low);
            upsert.bind(6, bar.close);
            BindOptional(upsert, 7, bar.volume);
            BindOptional(upsert, 8, bar.openInterest);
            written += upsert.exec();
            upsert.reset();
        }
        return written;
    }
};

Result<std::unique_ptr<CMarketStore>> CMarketStore::Open(const std::string& path, std::chrono::milliseconds busyWait)
{
    const Result<void> header = CheckHeader(path);
    if (!header.Ok())
        return Failure{header.Message()};
    MakeParentFolders(path);
    try {
        auto impl = std::make_unique<Impl>(path, busyWait);
        const Result<void> contents = impl->CheckContents();
        if (!contents.Ok())
            return Failure{contents.Message()};
        // Readers go on while an import writes; NORMAL loses no consistency in this mode.
        impl->db.exec("PRAGMA journal_mode = WAL");
        impl->db.exec("PRAGMA synchronous = NORMAL");
        impl->Migrate();
        return std::unique_ptr<CMarketStore>(new CMarketStore(std::move(impl)));
    } catch (const SQLite::Exception& e) {
        return StoreFailure(path, e);
    }
}

std::string CMarketStore::DefaultPath()
{
    if (const char* store = std::getenv("QUADRIX_STORE"); store && *store)
        return store;
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder =
        data && *data == '/' ? data : std::string(home ? home : "") + "/.local/share";
    return folder + "/quadrix/market.sqlite";
}

CMarketStore::CMarketStore(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{
}

CMarketStore::~CMarketStore() = default;

Result<CMarketStore::Merged> CMarketStore::Import(const Instrument& instrument, const BarSeries& series,
                                                  const Progress& progress)
{
    try {
        SQLite::Transaction transaction(m_impl->db, SQLite::TransactionBehavior::IMMEDIATE);
        const std::optional<Instrument> stored = m_impl->FindInstrument(instrument.symbol);
        if (stored && stored->bars > 0 && stored->intraday != series.intraday)
            return Failure{instrument.symbol + " holds " + (stored->intraday ? "intraday" : "daily") +
                           " bars, and this file has " + (series.intraday ? "intraday" : "daily") + " ones"};
        const std::int64_t id = m_impl->SaveInstrument(instrument, series.intraday);
        const std::int64_t before = m_impl->BarCount(id);
        const std::optional<std::int64_t> written = m_impl->WriteBars(id, series, progress);
        if (!written) // the transaction, left uncommitted, rolls back
            return Failure{"the import of " + instrument.symbol + " was cancelled; the store is left as it was"};
        Merged merged;
        merged.added = m_impl->BarCount(id) - before;
        merged.replaced = *written - merged.added;
        transaction.commit();
        return merged;
    } catch (const SQLite::Exception& e) {
        return StoreFailure(m_impl->path, e);
    }
}

Result<std::vector<CMarketStore::Instrument>> CMarketStore::Instruments() const
{
    try {
        SQLite::Statement query(m_impl->db, std::string(kInstrumentColumns) + "ORDER BY i.symbol");
        std::vector<Instrument> instruments;
        while (query.executeStep())
            instruments.push_back(InstrumentOf(query));
        return instruments;
    } catch (const SQLite::Exception& e) {
        return StoreFailure(m_impl->path, e);
    }
}

std::optional<CMarketStore::Instrument> CMarketStore::Find(const std::string& symbol) const
{
    try {
        return m_impl->FindInstrument(symbol);
    } catch (const SQLite::Exception&) {
        return std::nullopt;
    }
}

Result<BarSeries> CMarketStore::Bars(const std::string& symbol, std::optional<std::int64_t> from,
                                     std::optional<std::int64_t> to) const
{
    try {
        const std::optional<Instrument> instrument = m_impl->FindInstrument(symbol);
        if (!instrument)
            return Failure{m_impl->path + ": no symbol " + symbol + " in the market store"};
        BarSeries series;
        series.intraday = instrument->intraday;
        series.bars.reserve(static_cast<std::size_t>(instrument->bars));
        m_impl->ReadBars(symbol, from.value_or(INT64_MIN), to.value_or(INT64_MAX), series.bars);
        return series;
    } catch (const SQLite::Exception& e) {
        return StoreFailure(m_impl->path, e);
    }
}

Result<void> CMarketStore::Remove(const std::string& symbol)
{
    try {
        SQLite::Transaction transaction(m_impl->db, SQLite::TransactionBehavior::IMMEDIATE);
        const std::optional<std::int64_t> id = m_impl->InstrumentId(symbol);
        if (!id)
            return Failure{m_impl->path + ": no symbol " + symbol + " in the market store"};
        for (const char* sql : {"DELETE FROM bars WHERE instrument = ?", "DELETE FROM instruments WHERE id = ?"}) {
            SQLite::Statement remove(m_impl->db, sql);
            remove.bind(1, *id);
            remove.exec();
        }
        transaction.commit();
        return {};
    } catch (const SQLite::Exception& e) {
        return StoreFailure(m_impl->path, e);
    }
}

Result<void> CMarketStore::Rename(const std::string& from, const std::string& to)
{
    if (to.empty())
        return Failure{"the new symbol of " + from + " is empty"};
    try {
        SQLite::Transaction transaction(m_impl->db, SQLite::TransactionBehavior::IMMEDIATE);
        const std::optional<std::int64_t> id = m_impl->InstrumentId(from);
        if (!id)
            return Failure{m_impl->path + ": no symbol " + from + " in the market store"};
        if (m_impl->InstrumentId(to))
            return Failure{m_impl->path + ": " + to + " is in the market store already"};
        SQLite::Statement rename(m_impl->db, "UPDATE instruments SET symbol = ? WHERE id = ?");
        rename.bind(1, to);
        rename.bind(2, *id);
        rename.exec();
        transaction.commit();
        return {};
    } catch (const SQLite::Exception& e) {
        return StoreFailure(m_impl->path, e);
    }
}
