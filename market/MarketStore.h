#pragma once

#include "Bar.h"
#include "Progress.h"
#include "Result.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The market database: instruments and their bars in one SQLite file.
// Every change is one transaction; a failed one leaves the file as it was.
// The schema and its migrations stand in MarketStore.cpp.
class CMarketStore {
public:
    // How long a change waits for another program's to end before it gives
    // up as busy.
    static constexpr std::chrono::milliseconds kBusyWait{5000};

    struct Instrument {
        std::string symbol;
        std::string name;
        std::string zone;
        std::string sourceFile;
        std::string imported; // when, ISO 8601 UTC
        bool intraday = false;
        std::int64_t first = 0; // bar times, as Bar::time
        std::int64_t last = 0;
        long long bars = 0;
    };
    struct Merged {
        long long added = 0;
        long long replaced = 0;
    };

    // Opens (creating when absent, with its folder) the store at path; a
    // damaged or foreign file, or one of a newer schema, is one clear line
    // and is not touched.
    static Result<std::unique_ptr<CMarketStore>> Open(const std::string& path,
                                                      std::chrono::milliseconds busyWait = kBusyWait);
    // $QUADRIX_STORE, else $XDG_DATA_HOME/quadrix/market.sqlite (or
    // ~/.local/share/quadrix/market.sqlite).
    static std::string DefaultPath();

    ~CMarketStore();

    // Adds a symbol's bars, replacing those of the same time that differ;
    // the instrument's name, zone, source and time of import are taken from
    // instrument (an empty name keeps the stored one). A symbol keeps daily
    // or intraday bars, never both. Progress is told how many of the bars
    // are written; stopped, the import changes nothing.
    Result<Merged> Import(const Instrument& instrument, const BarSeries& series, const Progress& progress = {});
    Result<std::vector<Instrument>> Instruments() const;
    std::optional<Instrument> Find(const std::string& symbol) const;
    // The bars of symbol from..to (inclusive), oldest first.
    Result<BarSeries> Bars(const std::string& symbol, std::optional<std::int64_t> from = std::nullopt,
                           std::optional<std::int64_t> to = std::nullopt) const;
    // Removes symbol and its bars; a symbol not stored is a failure.
    Result<void> Remove(const std::string& symbol);
    // Keeps from's bars under the symbol to; a symbol from not stored, or a
    // symbol to that is empty or stored already, is a failure.
    Result<void> Rename(const std::string& from, const std::string& to);

private:
    struct Impl;
    explicit CMarketStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
