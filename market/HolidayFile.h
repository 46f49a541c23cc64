#pragma once

#include "Result.h"

#include <cstdint>
#include <string>
#include <vector>

// A market's holidays as the user keeps them: one date YYYY-MM-DD a line,
// blank lines and comments from # to the line's end allowed.
namespace HolidayFile {

// The days (from 1970-01-01) of text, in its order; a line that is not a
// date fails, named by name and its line number.
Result<std::vector<std::int64_t>> Parse(const std::string& text, const std::string& name);
// The days of the file at path, read through the bounded plain-file reader.
Result<std::vector<std::int64_t>> Read(const std::string& path);

} // namespace HolidayFile
