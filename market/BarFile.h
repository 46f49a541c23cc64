#pragma once

#include "Bar.h"
#include "Progress.h"
#include "Result.h"

#include <map>
#include <optional>
#include <string>

// Reads the price files analysts have: delimited text of daily or intraday
// bars in the layouts, date forms and encodings that trading software and
// data vendors write, detected from the file itself.
namespace BarFile {

// How the user narrowed what the file could mean.
struct Options {
    // A date form such as "DD/MM/YYYY" or "MM/DD/YYYY", for files whose days
    // never pass 12; empty to detect.
    std::string dateFormat;
    // The instrument's zone (an IANA name) that offsets and Unix times are
    // converted to; empty for the computer's.
    std::string zone;
    // Import the sound rows and count the others by cause, instead of
    // stopping at the first bad one.
    bool skipBad = false;
};

// What a file held: its bars, the ticker and name it gave if any, and the
// rows skipped by cause ("high below low": 3).
struct Contents {
    BarSeries series;
    std::string symbol;
    std::string name;
    std::map<std::string, long long> skipped;
};

// Why options cannot serve any file (a date form or zone unknown), or empty:
// the command line's check of its own options.
std::string CheckOptions(const Options& options);

// Parses text (the whole file) named name in messages, telling progress
// how far its rows have come. A failure names the file, line, column and
// text of the first bad row.
Result<Contents> Parse(const std::string& text, const std::string& name, const Options& options,
                       const Progress& progress = {});
// The ticker and name the top of the file at path gives (a title line, or
// the first row's ticker), its rows left unread and its series empty: what
// an import would keep the bars under, known before the whole file is read.
// Empty fields when the top gives none or the file cannot be read.
Contents ReadHeading(const std::string& path);
// Reads path through the bounded regular-file reader, then parses it.
Result<Contents> Read(const std::string& path, const Options& options, const Progress& progress = {});

} // namespace BarFile
