#pragma once

#include "BarFile.h"
#include "MarketStore.h"
#include "Progress.h"
#include "Result.h"

#include <map>
#include <optional>
#include <string>

// A price file into the market store as the user asked: the file read and
// checked, the symbol and name chosen, the bars merged in one transaction.
// The command line and the window import through this one rule.
namespace BarImport {

struct Request {
    std::string path; // the file
    // The symbol to keep the bars under; empty for the file's ticker, else
    // the file's stem.
    std::string symbol;
    // The instrument's name; none for the file's, else the name stored.
    std::optional<std::string> name;
    // The zone in options is also the instrument's; empty for the computer's.
    BarFile::Options options;
    // The store to merge into; empty to read and check only (a dry run).
    std::string store;
};

struct Summary {
    std::string symbol;
    // A dry run counts every bar of the file as added.
    CMarketStore::Merged merged;
    std::map<std::string, long long> skipped; // by cause
    long long SkippedTotal() const;
};

// Reads the file, then stores it. A failure is one line (the file, line,
// column and text of a bad row, or the store's message) and leaves the
// store as it was; so does progress answering false.
Result<Summary> Run(const Request& request, const Progress& progress = {});

// The symbol of the bars of the file at path when none is given: the
// ticker the file gives in contents, else the file's stem.
std::string DefaultSymbol(const std::string& path, const BarFile::Contents& contents);

// The zone this computer's clock keeps, by its IANA name where it has one.
std::string ComputerZone();

// The skipped rows by cause on one line: "high below low: 3; unreadable date: 1".
std::string CausesText(const std::map<std::string, long long>& causes);

} // namespace BarImport
