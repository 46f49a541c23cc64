#pragma once

#include "Bar.h"
#include "Result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The market database: instruments and their bars in one SQLite file.
// Every change is one transaction; a failed one leaves the file as it was.
class CMarketStore {
public:
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

    // Opens (creating when absent) the store at path; a damaged or foreign
    // file is one clear line and is not touched.
    static Result<std::unique_ptr<CMarketStore>> Open(const std::string& path);
    // $QUADRIX_STORE, else $XDG_DATA_HOME/quadrix/market.sqlite (or
    // ~/.local/share/quadrix/market.sqlite).
    static std::string DefaultPath();

    ~CMarketStore();

    // Adds a symbol's bars, replacing those of the same time that differ.
    Result<Merged> Import(const Instrument& instrument, const BarSeries& series);
    Result<std::vector<Instrument>> Instruments() const;
    std::optional<Instrument> Find(const std::string& symbol) const;
    // The bars of symbol from..to (inclusive), oldest first.
    Result<BarSeries> Bars(const std::string& symbol, std::optional<std::int64_t> from = std::nullopt,
                           std::optional<std::int64_t> to = std::nullopt) const;
    Result<void> Remove(const std::string& symbol);

private:
    struct Impl;
    explicit CMarketStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
